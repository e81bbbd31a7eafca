#include "lookup/decimal_number.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "lookup/text.h"

namespace milden {
namespace {

template <typename Char>
constexpr bool IsAsciiDigit(Char c) {
    return c >= Char('0') && c <= Char('9');
}

// Skips a run of ASCII digits starting at i; returns how many there were.
template <typename Char>
std::size_t SkipDigits(std::basic_string_view<Char> s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size() && IsAsciiDigit(s[i])) ++i;
    return i - start;
}

template <typename Char>
bool IsNumber(std::basic_string_view<Char> text) {
    const std::basic_string_view<Char> s = TrimSpaces(text);
    const auto is = [&](std::size_t i, char a, char b) { return i < s.size() && (s[i] == Char(a) || s[i] == Char(b)); };
    std::size_t i = 0;
    if (is(i, '+', '-')) ++i;
    std::size_t digits = SkipDigits(s, i);
    if (is(i, '.', '.')) {
        ++i;
        digits += SkipDigits(s, i);
    }
    if (digits == 0) return false;
    if (is(i, 'e', 'E')) {
        ++i;
        if (is(i, '+', '-')) ++i;
        if (SkipDigits(s, i) == 0) return false;
    }
    return i == s.size();
}

template <typename Char>
double NumberValue(std::basic_string_view<Char> text) {
    // The text is ASCII once IsDecimalNumber holds; strtod_l with the C locale keeps "." the
    // decimal point whatever locale the program runs in.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::basic_string_view<Char> s = TrimSpaces(text);
    std::string ascii(s.size(), '\0');
    for (std::size_t i = 0; i < s.size(); ++i) ascii[i] = static_cast<char>(s[i] & 0x7F);
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

}  // namespace

bool IsDecimalNumber(std::u16string_view text) { return IsNumber(text); }
bool IsDecimalNumber(std::string_view bytes) { return IsNumber(bytes); }
double DecimalNumberValue(std::u16string_view text) { return NumberValue(text); }
double DecimalNumberValue(std::string_view bytes) { return NumberValue(bytes); }

}  // namespace milden

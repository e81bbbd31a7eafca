#include "lookup/decimal_number.h"

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
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
    // The text is ASCII once IsDecimalNumber holds. strtod reads the decimal point of the
    // locale the program runs in (a window toolkit may have set one with ","), so the text's "."
    // is handed over as that locale's: "." stays the decimal point whatever the locale.
    const std::basic_string_view<Char> s = TrimSpaces(text);
    // A few digits alone (an index line's number, nearly always) are read at once.
    if (!s.empty() && s.size() <= 9 && std::all_of(s.begin(), s.end(), IsAsciiDigit<Char>)) {
        std::int32_t value = 0;
        for (const Char c : s) value = value * 10 + static_cast<std::int32_t>(c - Char('0'));
        return value;
    }
    const std::string_view point = std::localeconv()->decimal_point;
    std::string ascii;
    ascii.reserve(s.size() + point.size());
    for (const Char c : s) {
        if (c == Char('.')) {
            ascii += point;
        } else {
            ascii += static_cast<char>(c & 0x7F);
        }
    }
    return std::strtod(ascii.c_str(), nullptr);
}

}  // namespace

bool IsDecimalNumber(std::u16string_view text) { return IsNumber(text); }
bool IsDecimalNumber(std::string_view bytes) { return IsNumber(bytes); }
double DecimalNumberValue(std::u16string_view text) { return NumberValue(text); }
double DecimalNumberValue(std::string_view bytes) { return NumberValue(bytes); }

}  // namespace milden

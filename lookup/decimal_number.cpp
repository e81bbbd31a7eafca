#include "decimal_number.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "text.h"

namespace milden {
namespace {

constexpr bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Skips a run of ASCII digits starting at i; returns how many there were.
std::size_t SkipDigits(std::u16string_view s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size() && IsAsciiDigit(s[i])) ++i;
    return i - start;
}

}  // namespace

bool IsDecimalNumber(std::u16string_view text) {
    const std::u16string_view s = TrimSpaces(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
    std::size_t digits = SkipDigits(s, i);
    if (i < s.size() && s[i] == u'.') {
        ++i;
        digits += SkipDigits(s, i);
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
        if (SkipDigits(s, i) == 0) return false;
    }
    return i == s.size();
}

double DecimalNumberValue(std::u16string_view text) {
    // The text is ASCII once IsDecimalNumber holds; strtod_l with the C locale keeps "." the
    // decimal point whatever locale the program runs in.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::u16string_view s = TrimSpaces(text);
    std::string ascii(s.size(), '\0');
    for (std::size_t i = 0; i < s.size(); ++i) ascii[i] = static_cast<char>(s[i] & 0x7F);
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

}  // namespace milden

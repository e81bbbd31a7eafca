// Ways people write a telephone number, each with what the whole-number reader makes of it: the
// range and four digits ("090-1234"), or the reason it refuses. The reader's test and
// milden-lookup's test (which the Windows build's twin runs too) go through the same rows.
#pragma once

#include <ostream>
#include <string_view>

namespace milden::test_support {

struct WholeNumberForm {
    const char* name;  // the form the row proves
    std::string_view input;  // UTF-8
    std::string_view read;   // "090-1234", or the reason the input is refused
    bool IsRead() const { return read.size() == 8 && read[3] == '-'; }
    friend void PrintTo(const WholeNumberForm& f, std::ostream* os) { *os << f.name; }
};

inline constexpr std::string_view kNotInRange = "the number does not begin with 090, 080 or 070 (+81 90, +81 80 or +81 70)";
inline constexpr std::string_view kFreeDial = "a free-dial number (0120 or 0800), not a mobile or PHS number";
inline constexpr std::string_view kOtherCountry = "not a Japanese number: the country code is not +81";
inline constexpr std::string_view kNotReadable =
    "not a telephone number: only digits, with spaces, dashes, dots, slashes or parentheses between groups, can be read";

inline constexpr WholeNumberForm kWholeNumberForms[] = {
    {"Plain", "09012345678", "090-1234"},
    {"Dashed", "090-1234-5678", "090-1234"},
    {"FirstPartOnly", "0801234", "080-1234"},
    {"LeadingZerosStay", "070-0000", "070-0000"},
    {"RangeInParentheses", "(090) 1234-5678", "090-1234"},
    {"MiddleInParentheses", "090(1234)5678", "090-1234"},
    {"Dots", "090.1234.5678", "090-1234"},
    {"Slashes", "070/5123/0000", "070-5123"},
    {"FullWidthDigitsAndMinus", "０９０－１２３４－５６７８", "090-1234"},
    {"FullWidthDigitsAndLongVowelMark", "０８０ー１２３４ー５６７８", "080-1234"},
    {"HalfWidthLongVowelMark", "090ｰ1234ｰ5678", "090-1234"},
    {"Hyphen2010", "090‐1234‐5678", "090-1234"},
    {"EnDash2013", "080–1234–5678", "080-1234"},
    {"HorizontalBar2015", "090―1234―5678", "090-1234"},
    {"MinusSign2212", "070−1234−5678", "070-1234"},
    {"NoBreakSpaces", "090\u00A01234\u00A05678", "090-1234"},
    {"IdeographicSpaces", "\u3000090\u30001234\u30005678\u3000", "090-1234"},
    {"TabsAndSpacesAround", "  080\t1234 ", "080-1234"},
    {"SpacesAroundDashes", "090 - 1234 - 5678", "090-1234"},
    {"CountryCodeCompact", "+819012345678", "090-1234"},
    {"CountryCodeTrunkZeroInParentheses", "+81 (0)90-1234-5678", "090-1234"},
    {"CountryCodeTrunkZeroKept", "+81 090 1234 5678", "090-1234"},
    {"CountryCodeFullWidth", "＋８１ 90 1234 5678", "090-1234"},
    {"CountryCodeInParentheses", "(+81) 70-1234-5678", "070-1234"},
    {"TelLink", "tel:+81-90-1234-5678", "090-1234"},
    {"TelLinkParametersIgnored", "TEL:090-1234-5678;phone-context=+81", "090-1234"},
    {"DialledFromJapanAndBack", "010-81-90-1234-5678", "090-1234"},
    {"DialledFromMostCountries", "00 81 80 1234 5678", "080-1234"},
    {"Landline", "03-1234-5678", kNotInRange},
    {"LandlineAfterCountryCode", "+81 3 1234 5678", kNotInRange},
    {"OtherMobileLikeRange", "060-1234-5678", kNotInRange},
    {"NoTrunkZeroCouldBeAnotherCountry", "90 1234 5678", kNotInRange},
    {"FreeDial0120", "0120-123-456", kFreeDial},
    {"FreeDial0800BeginsLike080", "0800-123-4567", kFreeDial},
    {"FreeDialAfterCountryCode", "+81 120 123 456", kFreeDial},
    {"OtherCountry", "+1 212 555 0100", kOtherCountry},
    {"OtherCountryDialledFromJapan", "010 1 212 555 0100", kOtherCountry},
    {"LetterInsideDigits", "090-12a4-5678", kNotReadable},
    {"FullWidthLetterInsideDigits", "090-12ａ4-5678", kNotReadable},
    {"ParametersWithoutTel", "090-1234-5678;ext=1", kNotReadable},
    {"ThreeDigitsAfterRange", "090-123", "fewer than four digits follow 090"},
    {"NineDigitsAfterRange", "090-1234-5678-9", "more than eight digits follow 090: too long for a mobile or PHS number"},
    {"TwoDashesTogether", "090--1234-5678", "not a telephone number: two dashes, dots or slashes stand together"},
    {"DashBeforeFirstDigit", "-090-1234-5678", "not a telephone number: a dash, dot or slash stands before the first digit or after the last"},
    {"ParenthesisNotClosed", "(090 1234 5678", "not a telephone number: its parentheses do not each enclose one group of digits"},
    {"ParenthesesNested", "((090)) 1234 5678", "not a telephone number: its parentheses do not each enclose one group of digits"},
    {"PlusInside", "090+1234", "not a telephone number: \"+\" can only stand before the country code"},
};

}  // namespace milden::test_support

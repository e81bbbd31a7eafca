#include "whole_number.h"

#include "format.h"

namespace milden::cli {
namespace {

constexpr bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '-'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The longest mobile number has eight digits after its range: 090-1234-5678.
constexpr std::size_t kMaxDigitsAfterRange = 8;

}  // namespace

std::optional<RangeIndex> RangeFromName(std::string_view name) {
    for (const RangeFormat& format : kRangeFormats) {
        if (name == format.digits) return static_cast<RangeIndex>(IndexOf(format.range));
    }
    return std::nullopt;
}

std::variant<WholeNumber, std::string> ReadWholeNumber(std::string_view input) {
    std::string digits;
    std::size_t i = 0;
    while (i < input.size() && IsSeparator(input[i])) ++i;
    if (input.substr(i, 3) == "+81") {
        digits = "0";
        i += 3;
    } else if (input.substr(i, 1) == "+") {
        return std::string("not a Japanese number: the country code is not +81");
    }
    for (; i < input.size(); ++i) {
        if (IsDigit(input[i])) {
            digits += input[i];
        } else if (!IsSeparator(input[i])) {
            return std::string("not a telephone number: only digits, spaces and hyphens, after an optional +81, can be read");
        }
    }
    if (digits.empty() || digits == "0") return std::string("no digits to read");
    if (digits.size() < 3) return std::string("too short to name a range");
    const std::optional<RangeIndex> range = RangeFromName(std::string_view(digits).substr(0, 3));
    if (!range) return std::string("the number does not begin with 090, 080 or 070 (+81 90, +81 80 or +81 70)");
    const std::string_view rangeName = kRangeFormats[static_cast<std::size_t>(*range)].digits;
    if (digits.size() < 3 + 4) {
        return "fewer than four digits follow " + std::string(rangeName);
    }
    if (digits.size() > 3 + kMaxDigitsAfterRange) {
        return "more than eight digits follow " + std::string(rangeName) + ": too long for a mobile or PHS number";
    }
    WholeNumber number;
    number.range = *range;
    number.text.assign(digits.begin() + 3, digits.begin() + 7);
    return number;
}

}  // namespace milden::cli

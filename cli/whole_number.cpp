#include "cli/whole_number.h"

#include <algorithm>
#include <iterator>

namespace milden::cli {
namespace {

constexpr bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '-'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The longest mobile number has eight digits after its range: 090-1234-5678.
constexpr std::size_t kMaxDigitsAfterRange = 8;

}  // namespace

std::optional<Range> RangeFromName(std::string_view name) {
    for (const RangeFormat& format : kRangeFormats) {
        if (name == format.digits) return format.range;
    }
    return std::nullopt;
}

std::variant<WholeNumber, std::string> ReadWholeNumber(std::string_view input) {
    // The leading 0 (or the +81 that stands for it), the range's two digits, and one digit more
    // than may follow the range: enough to tell every case apart.
    char kept[3 + kMaxDigitsAfterRange + 1];
    std::size_t count = 0;  // digits read, kept or not
    std::size_t i = 0;
    while (i < input.size() && IsSeparator(input[i])) ++i;
    if (input.substr(i, 3) == "+81") {
        kept[count++] = '0';
        i += 3;
    } else if (input.substr(i, 1) == "+") {
        return std::string("not a Japanese number: the country code is not +81");
    }
    for (; i < input.size(); ++i) {
        if (IsDigit(input[i])) {
            if (count < std::size(kept)) kept[count] = input[i];
            ++count;
        } else if (!IsSeparator(input[i])) {
            return std::string("not a telephone number: only digits, spaces and hyphens, after an optional +81, can be read");
        }
    }
    const std::string_view digits(kept, std::min(count, std::size(kept)));
    if (digits.empty() || digits == "0") return std::string("no digits to read");
    if (digits.size() < 3) return std::string("too short to name a range");
    const std::optional<Range> range = RangeFromName(digits.substr(0, 3));
    if (!range) return std::string("the number does not begin with 090, 080 or 070 (+81 90, +81 80 or +81 70)");
    const std::string_view rangeName = FormatOf(*range).digits;
    if (count < 3 + 4) {
        return "fewer than four digits follow " + std::string(rangeName);
    }
    if (count > 3 + kMaxDigitsAfterRange) {
        return "more than eight digits follow " + std::string(rangeName) + ": too long for a mobile or PHS number";
    }
    WholeNumber number;
    number.range = *range;
    number.text.assign(digits.begin() + 3, digits.begin() + 7);
    for (const char16_t digit : number.text) number.block = number.block * 10 + static_cast<std::size_t>(digit - u'0');
    return number;
}

}  // namespace milden::cli

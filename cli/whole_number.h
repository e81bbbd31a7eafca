// Whole telephone numbers as people write them, read as the range and the four digits after it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace milden::cli {

// The index of the window's range option button: 0 "090-", 1 "080-", 2 "070-".
using RangeIndex = int;

// "090", "080" or "070" as a range index; nothing for any other text.
std::optional<RangeIndex> RangeFromName(std::string_view name);

struct WholeNumber {
    RangeIndex range = 0;
    std::u16string text;  // the four digits that follow the range
};

// Reads "090-1234-5678", "09012345678", "090 1234 5678", "+81 90-1234-5678", "+819012345678",
// "090-1234" or "0901234": ASCII digits with spaces, tabs and hyphens anywhere between them, the
// country code +81 standing for the leading 0. At least four and at most eight digits must
// follow the range. On failure the result is a one-line message saying what is wrong.
std::variant<WholeNumber, std::string> ReadWholeNumber(std::string_view input);

}  // namespace milden::cli

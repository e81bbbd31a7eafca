// Whole telephone numbers as people write them, read as the range and the four digits after it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "lookup/format.h"

namespace milden::cli {

// "090", "080" or "070" as its range; nothing for any other text.
std::optional<Range> RangeFromName(std::string_view name);

struct WholeNumber {
    Range range = Range::k090;
    std::u16string text;    // the four digits that follow the range
    std::size_t block = 0;  // the same as a number, 0 to 9999
};

// Reads "090-1234-5678", "09012345678", "090 1234 5678", "+81 90-1234-5678", "+819012345678",
// "090-1234" or "0901234": ASCII digits with spaces, tabs and hyphens anywhere between them, the
// country code +81 standing for the leading 0. At least four and at most eight digits must
// follow the range. On failure the result is a one-line message saying what is wrong.
std::variant<WholeNumber, std::string> ReadWholeNumber(std::string_view input);

}  // namespace milden::cli

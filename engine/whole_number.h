// Whole telephone numbers as people write them, read as the range and the four digits after it:
// what milden-lookup looks up, and what the web page asks for when a whole number is pasted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "lookup/format.h"

namespace milden {

// "090", "080" or "070" as its range; nothing for any other text.
std::optional<Range> RangeFromName(std::string_view name);

struct WholeNumber {
    Range range = Range::k090;
    std::u16string text;    // the four digits that follow the range, as typed into its box
    std::size_t block = 0;  // the same as a number, 0 to 9999
    friend bool operator==(const WholeNumber&, const WholeNumber&) = default;
};

// A whole number, or one line saying why the input is none.
using WholeNumberReading = std::variant<WholeNumber, std::string>;

// Reads a 090, 080 or 070 number from UTF-8 or UTF-16 text. The text is digit groups:
//
//   text      = [ "tel:" ] [ "+" ] group { separator group } [ ";" parameters ]
//   group     = digits | "(" digits ")"
//   separator = spaces | [ spaces ] mark [ spaces ]     (none needed beside a parenthesis)
//
// "tel:" is taken in any letter case, and only after it does ";" end the number (the rest is
// ignored); "+" may also stand just inside the first group's parenthesis. Digits are ASCII or
// full-width; every full-width form of an ASCII character counts as that character; spaces are
// tab and every Unicode space (U+0020, U+00A0, U+3000 ...); a mark is a dash (-, U+2010 to U+2015,
// U+2212, U+30FC, U+FF70), "." or "/". Spaces around the whole text are ignored.
//
// The digits, read as one string, must then be
//
//   ( ( "+" | "010" | "00" ) "81" [ "0" ] | "0" ) range more
//
// where range is 90, 80 or 70 (but not 800, a free-dial prefix) and more is 4 to 8 digits, of
// which the first four are the result. Anything else is refused, with the reason.
WholeNumberReading ReadWholeNumber(std::string_view utf8);
WholeNumberReading ReadWholeNumber(std::u16string_view utf16);

}  // namespace milden

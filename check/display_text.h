// Text from a data file or an input made safe for one line of a terminal.
#pragma once

#include <string>
#include <string_view>

#include "lookup/utf8.h"

namespace milden {

// Like Utf16ToUtf8, for text that ends up on one line of a terminal: control characters other
// than the tab (C0, DEL and C1, which include line breaks and the start of escape sequences)
// become U+FFFD, so text from a data file or an input can neither split a line nor drive the
// terminal.
std::string ToDisplayUtf8(std::u16string_view text);

// Whether c is one of the characters ToDisplayUtf8 replaces.
constexpr bool IsControlCharacter(char16_t c) { return (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F); }

}  // namespace milden

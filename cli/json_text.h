// JSON string literals for the JSON Lines that milden-lookup writes.
#pragma once

#include <string>
#include <string_view>

namespace milden::cli {

// Appends utf8 (valid UTF-8) as a JSON string: quotes, backslashes and control characters
// escaped, every other byte as it is.
void AppendJsonString(std::string& out, std::string_view utf8);
// True when utf8 goes into a JSON string as it is: ASCII, nothing to escape.
bool IsPlainJsonText(std::string_view utf8);
// The same for bytes that may not be valid UTF-8: each bad byte becomes U+FFFD.
void AppendJsonStringOfBytes(std::string& out, std::string_view bytes);
// The same for UTF-16 text, written as UTF-8 (a lone surrogate as U+FFFD) in one pass.
void AppendJsonString(std::string& out, std::u16string_view text);

}  // namespace milden::cli

// UTF-8 to and from the UTF-16 strings of the lookup, for the command line, the generator and the
// tests.
#pragma once

#include <string>
#include <string_view>

namespace milden {

// Decodes UTF-8. Each byte that does not start a well-formed sequence (bad lead or trail bytes,
// overlong forms, surrogates, values past U+10FFFF, a sequence cut short) becomes one U+FFFD, so
// any bytes decode and decoding goes on after a bad one.
std::u16string Utf8ToUtf16(std::string_view bytes);

// Encodes UTF-16 as UTF-8. A surrogate that is not half of a pair becomes U+FFFD, so the result
// is always well-formed UTF-8.
std::string Utf16ToUtf8(std::u16string_view text);

// The pieces of Utf16ToUtf8, for encoders that write UTF-8 of their own:
// the code point at text[i], moving i past it (a lone surrogate gives U+FFFD);
char32_t NextCodePoint(std::u16string_view text, std::size_t& i);
// c written as UTF-8 at out (room for four bytes); returns the end of what was written.
char* PutUtf8(char* out, char32_t c);

}  // namespace milden

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

// The code point of the UTF-8 at bytes[i], moving i past it; a byte that does not start a
// well-formed sequence gives U+FFFD and moves i by one (inline: it runs once a character).
inline char32_t NextCodePoint(std::string_view bytes, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;  // the smallest value that needs this many bytes
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    }
    bool ok = length != 0 && i + length <= bytes.size();
    for (std::size_t k = 1; ok && k < length; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        ok = (b & 0xC0) == 0x80;
        c = (c << 6) | (b & 0x3F);
    }
    ok = ok && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
    i += ok ? length : 1;
    return ok ? c : U'\uFFFD';
}

// The pieces of Utf16ToUtf8, for encoders that write UTF-8 of their own (inline: they run once
// a character).
// The code point at text[i], moving i past it (a lone surrogate gives U+FFFD).
inline char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
    const char16_t u = text[i++];
    if (u < 0xD800 || u > 0xDFFF) return u;
    if (u <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF)
        return 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (text[i++] - 0xDC00);
    return u'\uFFFD';
}
// c written as UTF-8 at out (room for four bytes); returns the end of what was written.
inline char* PutUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace milden

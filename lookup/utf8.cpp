#include "lookup/utf8.h"

#include <cstdint>

namespace milden {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

constexpr bool IsTrail(unsigned char b) { return (b & 0xC0) == 0x80; }

void AppendCodePoint(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
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
            ok = IsTrail(b);
            c = (c << 6) | (b & 0x3F);
        }
        ok = ok && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        if (ok) {
            AppendCodePoint(out, c);
            i += length;
        } else {
            out += kReplacement;
            ++i;
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    // A unit never gives more than three bytes (a surrogate pair, two units, gives four), so
    // the bytes are written in place, without a check of the string's size for each.
    std::string out(text.size() * 3, '\0');
    char* o = out.data();
    for (std::size_t i = 0; i < text.size();) o = PutUtf8(o, NextCodePoint(text, i));
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

}  // namespace milden

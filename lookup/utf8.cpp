#include "lookup/utf8.h"

#include <cstdint>

namespace milden {
namespace {

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
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
        } else {
            AppendCodePoint(out, NextCodePoint(bytes, i));
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

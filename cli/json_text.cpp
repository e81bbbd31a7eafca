#include "cli/json_text.h"

#include <algorithm>

#include "lookup/utf8.h"

namespace milden::cli {
namespace {

constexpr bool NeedsEscape(char32_t c) { return c == '"' || c == '\\' || c < 0x20; }

// The escape of a character for which NeedsEscape holds, written at out (room for six bytes);
// returns the end of what was written.
char* PutEscaped(char* out, char32_t c) {
    static constexpr char kHex[] = "0123456789abcdef";
    *out++ = '\\';
    switch (c) {
    case '"': *out++ = '"'; break;
    case '\\': *out++ = '\\'; break;
    case '\n': *out++ = 'n'; break;
    case '\r': *out++ = 'r'; break;
    case '\t': *out++ = 't'; break;
    default:
        for (const char h : {'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]}) *out++ = h;
    }
    return out;
}

// Appends what write(char* at) writes: at most most bytes, into room made at the end of out
// once (its end is returned). Short text is written into a buffer on the stack and appended.
template <typename Write>
void AppendWritten(std::string& out, std::size_t most, Write write) {
    if (most <= 512) {
        char buffer[512];
        out.append(buffer, static_cast<std::size_t>(write(buffer) - buffer));
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + most);
    out.resize(static_cast<std::size_t>(write(out.data() + start) - out.data()));
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    // Most strings (inputs, messages) need no escape: they are appended as they are.
    if (std::none_of(utf8.begin(), utf8.end(), [](char c) { return NeedsEscape(static_cast<unsigned char>(c)); })) {
        out += '"';
        out += utf8;
        out += '"';
        return;
    }
    // At most six bytes a byte (an escape).
    AppendWritten(out, utf8.size() * 6 + 2, [utf8](char* o) {
        *o++ = '"';
        for (const char c : utf8) {
            const auto byte = static_cast<unsigned char>(c);
            if (NeedsEscape(byte)) {
                o = PutEscaped(o, byte);
            } else {
                *o++ = c;
            }
        }
        *o++ = '"';
        return o;
    });
}

void AppendJsonStringOfBytes(std::string& out, std::string_view bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        AppendJsonString(out, bytes);
    } else {
        AppendJsonString(out, Utf8ToUtf16(bytes));
    }
}

void AppendJsonString(std::string& out, std::u16string_view text) {
    // At most six bytes a unit (an escape).
    AppendWritten(out, text.size() * 6 + 2, [text](char* o) {
        *o++ = '"';
        for (std::size_t i = 0; i < text.size();) {
            // ASCII, kana and kanji (nearly all of an answer) at once; surrogates the long way.
            const char16_t unit = text[i];
            if (unit < 0x80) {
                if (NeedsEscape(unit)) {
                    o = PutEscaped(o, unit);
                } else {
                    *o++ = static_cast<char>(unit);
                }
                ++i;
            } else if (unit < 0x800) {
                *o++ = static_cast<char>(0xC0 | (unit >> 6));
                *o++ = static_cast<char>(0x80 | (unit & 0x3F));
                ++i;
            } else if (unit < 0xD800 || unit > 0xDFFF) {
                *o++ = static_cast<char>(0xE0 | (unit >> 12));
                *o++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
                *o++ = static_cast<char>(0x80 | (unit & 0x3F));
                ++i;
            } else {
                o = PutUtf8(o, NextCodePoint(text, i));
            }
        }
        *o++ = '"';
        return o;
    });
}

}  // namespace milden::cli

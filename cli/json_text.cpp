#include "cli/json_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// Appends what write(char* at) writes (at most most bytes; it returns the end of what it wrote),
// in room made at the end of out once.
template <typename Write>
void AppendWritten(std::string& out, std::size_t most, Write write) {
    const std::size_t start = out.size();
    out.resize(start + most);
    out.resize(static_cast<std::size_t>(write(out.data() + start) - out.data()));
}

// What a string's bytes ask of it, or-ed together: nothing (ASCII that goes in as it is), an
// escape, or the decoding of longer UTF-8 sequences. Eight bytes at a time.
constexpr unsigned kEscaped = 1;
constexpr unsigned kNonAscii = 2;
unsigned KindsIn(std::string_view bytes) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u, kHighs = 0x8080808080808080u;
    // The high bit of each byte of w that is below 0x20 or equal to a quote or a backslash (of
    // an ASCII byte: the others are told apart first).
    const auto escapes = [](std::uint64_t w) {
        const auto zeroAt = [](std::uint64_t x) { return (x - kOnes) & ~x & kHighs; };
        return ((w - 0x20 * kOnes) & ~w & kHighs) | zeroAt(w ^ ('"' * kOnes)) | zeroAt(w ^ ('\\' * kOnes));
    };
    if (bytes.size() < 8) {
        unsigned kinds = 0;
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            kinds |= b >= 0x80 ? kNonAscii : NeedsEscape(b) ? kEscaped : 0;
        }
        return kinds;
    }
    // Whole words, the last one ending with the bytes (overlapping the one before it).
    std::uint64_t highs = 0, escaped = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, bytes.data() + std::min(i, bytes.size() - 8), 8);
        highs |= w & kHighs;
        escaped |= escapes(w);
    }
    // Past ASCII, the slow way for all of it.
    return highs != 0 ? kEscaped | kNonAscii : escaped != 0 ? kEscaped : 0;
}

}  // namespace

bool IsPlainJsonText(std::string_view utf8) { return KindsIn(utf8) == 0; }

void AppendJsonString(std::string& out, std::string_view utf8) {
    // Most strings (inputs, messages) need no escape: they are appended as they are.
    if ((KindsIn(utf8) & kEscaped) == 0) {
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
    const unsigned kinds = KindsIn(bytes);
    if (kinds == 0) {
        out += '"';
        out += bytes;
        out += '"';
    } else if ((kinds & kNonAscii) == 0) {
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
            if (unit < 0x80 && !NeedsEscape(unit)) {
                *o++ = static_cast<char>(unit);
                ++i;
            } else if (unit >= 0x800 && (unit < 0xD800 || unit > 0xDFFF)) {
                *o++ = static_cast<char>(0xE0 | (unit >> 12));
                *o++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
                *o++ = static_cast<char>(0x80 | (unit & 0x3F));
                ++i;
            } else {
                const char32_t c = NextCodePoint(text, i);
                o = NeedsEscape(c) ? PutEscaped(o, c) : PutUtf8(o, c);
            }
        }
        *o++ = '"';
        return o;
    });
}

}  // namespace milden::cli

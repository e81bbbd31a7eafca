#include "cli/json_text.h"

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

void AppendEscaped(std::string& out, char c) {
    char escaped[6];
    out.append(escaped, PutEscaped(escaped, static_cast<unsigned char>(c)));
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    // Runs of bytes that need no escape are appended whole: a byte at a time costs most of a
    // batch's time.
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!NeedsEscape(static_cast<unsigned char>(utf8[i]))) continue;
        out.append(utf8, runStart, i - runStart);
        AppendEscaped(out, utf8[i]);
        runStart = i + 1;
    }
    out.append(utf8, runStart);
    out += '"';
}

void AppendJsonString(std::string& out, std::u16string_view text) {
    // At most six bytes a unit (an escape), written in place and cut to size after.
    const std::size_t start = out.size();
    out.resize(start + text.size() * 6 + 2);
    char* o = out.data() + start;
    *o++ = '"';
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        o = NeedsEscape(c) ? PutEscaped(o, c) : PutUtf8(o, c);
    }
    *o++ = '"';
    out.resize(static_cast<std::size_t>(o - out.data()));
}

}  // namespace milden::cli

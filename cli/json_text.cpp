#include "cli/json_text.h"

namespace milden::cli {
namespace {

constexpr bool NeedsEscape(char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; }

void AppendEscaped(std::string& out, char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default:
        out += "\\u00";
        out += kHex[(c >> 4) & 0xF];
        out += kHex[c & 0xF];
    }
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    // Runs of bytes that need no escape are appended whole: a byte at a time costs most of a
    // batch's time.
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!NeedsEscape(utf8[i])) continue;
        out.append(utf8, runStart, i - runStart);
        AppendEscaped(out, utf8[i]);
        runStart = i + 1;
    }
    out.append(utf8, runStart);
    out += '"';
}

}  // namespace milden::cli

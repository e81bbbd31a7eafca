#include "cli/diagnostic.h"

#include <algorithm>

#include "cli/display_text.h"

namespace milden::cli {
namespace {

constexpr std::size_t kQuotedLimit = 40;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::string Quote(std::u16string_view text) {
    std::string quoted = "\"";
    if (text.size() > kQuotedLimit) {
        std::size_t cut = kQuotedLimit;
        if (IsHighSurrogate(text[cut - 1])) --cut;  // never half a character
        quoted += ToDisplayUtf8(text.substr(0, cut));
        quoted += "…";
    } else {
        quoted += ToDisplayUtf8(text);
    }
    quoted += '"';
    return quoted;
}

std::string Quote(std::string_view ascii) { return Quote(std::u16string(ascii.begin(), ascii.end())); }

void AppendDiagnostics(std::string_view shownFile, Diagnostics& diagnostics, std::string& out) {
    std::vector<Diagnostic>& kept = diagnostics.kept();
    std::stable_sort(kept.begin(), kept.end(), [](const Diagnostic& a, const Diagnostic& b) {
        return a.at.line != b.at.line ? a.at.line < b.at.line : a.at.column < b.at.column;
    });
    for (const Diagnostic& d : kept) {
        out += shownFile;
        if (d.at.line != 0) {
            out += ':';
            out += std::to_string(d.at.line);
            out += ':';
            out += std::to_string(d.at.column);
        }
        out += ": warning: ";
        out += d.text;
        out += '\n';
    }
    out += shownFile;
    const std::size_t count = diagnostics.count();
    if (count == 0) {
        out += ": no warnings\n";
        return;
    }
    out += ": " + std::to_string(count) + (count == 1 ? " warning" : " warnings");
    if (count > kept.size()) out += ", the first " + std::to_string(kept.size()) + " found shown";
    out += '\n';
}

}  // namespace milden::cli

#include "check/diagnostic.h"

#include <algorithm>

#include "check/display_text.h"

namespace milden::check {
namespace {

constexpr std::size_t kQuotedLimit = 40;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

bool DiagnosticBefore(const Diagnostic& a, const Diagnostic& b) { return Before(a.at, b.at); }

}  // namespace

bool Before(const ItemPosition& a, const ItemPosition& b) {
    if (a.line == 0 || b.line == 0) return a.line == 0 && b.line != 0;
    return a.line != b.line ? a.line < b.line : a.offset < b.offset;
}

void Diagnostics::Add(Diagnostic diagnostic) {
    const std::size_t code = OrdinalOf(diagnostic.code);
    if (ignored_[code]) return;
    ++counts_[code];
    kept_[code].push_back(std::move(diagnostic));
    if (keptPerCode_ != 0 && kept_[code].size() >= 2 * keptPerCode_) Trim(kept_[code]);
}

void Diagnostics::Trim(std::vector<Diagnostic>& kept) const {
    std::stable_sort(kept.begin(), kept.end(), DiagnosticBefore);
    if (keptPerCode_ != 0 && kept.size() > keptPerCode_) kept.resize(keptPerCode_);
}

std::size_t Diagnostics::CountOf(Severity severity) const {
    std::size_t count = 0;
    for (const CodeInfo& info : kCodes)
        if (info.severity == severity) count += counts_[OrdinalOf(info.code)];
    return count;
}

std::vector<Diagnostic> Diagnostics::Kept() {
    std::vector<Diagnostic> all;
    for (std::vector<Diagnostic>& kept : kept_) {
        Trim(kept);
        all.insert(all.end(), kept.begin(), kept.end());
    }
    std::stable_sort(all.begin(), all.end(), DiagnosticBefore);
    return all;
}

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

}  // namespace milden::check

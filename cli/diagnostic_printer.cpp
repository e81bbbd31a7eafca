#include "cli/diagnostic_printer.h"

#include <algorithm>
#include <array>

#include "check/display_text.h"
#include "check/display_width.h"
#include "cli/json_text.h"
#include "lookup/cp932.h"

namespace milden::cli {
namespace {

using check::Severity;

// The colours compilers use by default: the place bold, errors red, warnings magenta, notes cyan,
// the caret green.
constexpr std::string_view kBold = "\33[01m\33[K";
constexpr std::string_view kCaretColor = "\33[01;32m\33[K";
constexpr std::string_view kReset = "\33[m\33[K";
constexpr std::string_view ColorOf(Severity severity) {
    return severity == Severity::Error ? "\33[01;31m\33[K" : severity == Severity::Warning ? "\33[01;35m\33[K" : "\33[01;36m\33[K";
}

// A source line is shown up to this many bytes past the item's end: a line of megabytes is not.
constexpr std::size_t kShownPastItem = 80;
constexpr std::uint32_t kWidestCaretColumn = 1000;

class Printer {
public:
    Printer(std::string_view file, const check::SourceFile& source, const DiagnosticStyle& style, std::string& out)
        : file_(file), source_(source), style_(style), out_(out) {}

    void Text(const check::Diagnostic& d, Severity severity) {
        Line(d.at, severity, d.message, NameOf(d.code));
        for (const check::Note& note : d.notes) Line(note.at, Severity::Note, note.text, {});
    }

    void Json(const check::Diagnostic& d, Severity severity) {
        out_ += "{\"file\":";
        AppendJsonString(out_, file_);
        Place(d.at);
        out_ += ",\"severity\":\"";
        out_ += NameOf(severity);
        out_ += "\",\"code\":\"";
        out_ += NameOf(d.code);
        out_ += "\",\"message\":";
        AppendJsonString(out_, d.message);
        out_ += ",\"notes\":[";
        for (const check::Note& note : d.notes) {
            out_ += &note == d.notes.data() ? "{" : ",{";
            Place(note.at);
            out_ += ",\"message\":";
            AppendJsonString(out_, note.text);
            out_ += '}';
        }
        out_ += "]}\n";
    }

private:
    // ,"line":L,"column":C or nulls; in a note object, without its leading comma.
    void Place(const ItemPosition& at) {
        if (out_.back() != '{') out_ += ',';
        if (at.line == 0) {
            out_ += "\"line\":null,\"column\":null";
            return;
        }
        out_ += "\"line\":" + std::to_string(at.line) + ",\"column\":" + std::to_string(source_.Column(at, style_.columnUnit));
    }

    void Colored(std::string_view color, std::string_view text) {
        if (style_.color) out_ += color;
        out_ += text;
        if (style_.color) out_ += kReset;
    }

    void Line(const ItemPosition& at, Severity severity, std::string_view message, std::string_view code) {
        std::string locus(file_);
        if (at.line != 0) {
            (locus += ':') += std::to_string(at.line);
            (locus += ':') += std::to_string(source_.Column(at, style_.columnUnit));
        }
        Colored(kBold, locus + ":");
        out_ += ' ';
        Colored(ColorOf(severity), std::string(NameOf(severity)) + ":");
        out_ += ' ';
        out_ += message;
        if (!code.empty()) {
            out_ += " [";
            Colored(ColorOf(severity), code);
            out_ += ']';
        }
        out_ += '\n';
        if (style_.sourceLines && at.line != 0) SourceLine(at);
    }

    // "   12 | text" and "      |      ^~~~" under it, tabs expanded so that the caret stands under
    // the item in display columns.
    void SourceLine(const ItemPosition& at) {
        const std::string_view line = source_.Line(at.line);
        const std::size_t start = static_cast<std::size_t>(line.data() - source_.bytes().data());
        const std::size_t itemStart = std::min(at.offset - std::min(at.offset, start), line.size());
        const std::size_t itemEnd = std::clamp(source_.ItemEnd(at.offset) - start, itemStart, line.size());
        const std::u16string before = DecodeCp932(line.substr(0, itemStart));
        const std::u16string item = DecodeCp932(line.substr(itemStart, itemEnd - itemStart));
        std::u16string after = DecodeCp932(line.substr(itemEnd, kShownPastItem));
        if (itemEnd + kShownPastItem < line.size() && !after.empty()) after.back() = u'…';
        const std::uint32_t caret = check::AdvanceColumns(0, before);
        if (caret > kWidestCaretColumn) return;
        const std::uint32_t itemWidth = std::max<std::uint32_t>(1, check::AdvanceColumns(caret, item) - caret);
        std::string number = std::to_string(at.line);
        number.insert(0, number.size() < 5 ? 5 - number.size() : 0, ' ');
        out_ += number + " | " + Expanded(before + item + after) + "\n";
        out_ += std::string(number.size(), ' ') + " | " + std::string(caret, ' ');
        std::string underline(itemWidth, '~');  // "^~~~" under the item
        underline.front() = '^';
        Colored(kCaretColor, underline);
        out_ += '\n';
    }

    static std::string Expanded(const std::u16string& text) {
        std::u16string expanded;
        std::uint32_t column = 0;
        for (const char16_t c : text) {
            const std::uint32_t next = check::AdvanceColumns(column, std::u16string_view(&c, 1));
            if (c == u'\t') {
                expanded.append(next - column, u' ');
            } else {
                expanded += c;
            }
            column = next;
        }
        return ToDisplayUtf8(expanded);
    }

    std::string_view file_;
    const check::SourceFile& source_;
    const DiagnosticStyle& style_;
    std::string& out_;
};

std::string Counted(std::size_t count, std::string_view one) {
    return std::to_string(count) + " " + std::string(one) + (count == 1 ? "" : "s");
}

}  // namespace

void AppendDiagnostics(std::string_view shownFile, const check::SourceFile& source, check::Diagnostics& diagnostics,
                       const DiagnosticStyle& style, std::string& out) {
    Printer printer(shownFile, source, style, out);
    const std::vector<check::Diagnostic> kept = diagnostics.Kept();
    std::array<std::size_t, check::kCodes.size()> shown{};
    for (const check::Diagnostic& d : kept) {
        ++shown[OrdinalOf(d.code)];
        if (style.json) {
            printer.Json(d, SeverityOf(d.code));
        } else {
            printer.Text(d, SeverityOf(d.code));
        }
    }
    for (const check::CodeInfo& info : check::kCodes) {
        const std::size_t hidden = diagnostics.CountOf(info.code) - shown[OrdinalOf(info.code)];
        if (hidden == 0) continue;
        const check::Diagnostic more{info.code, {}, Counted(hidden, "more diagnostic") + " with this code not shown"};
        if (style.json) {
            printer.Json(more, Severity::Note);
        } else {
            printer.Text(more, Severity::Note);
        }
    }
    if (style.json) return;
    const std::size_t errors = diagnostics.CountOf(Severity::Error);
    const std::size_t warnings = diagnostics.CountOf(Severity::Warning);
    out += shownFile;
    out += errors + warnings == 0 ? ": no errors or warnings\n" : ": " + Counted(errors, "error") + ", " + Counted(warnings, "warning") + "\n";
}

}  // namespace milden::cli

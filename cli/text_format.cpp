// The plain-text format: what a person reads on a terminal.
#include <algorithm>

#include "check/display_text.h"
#include "check/display_width.h"
#include "cli/output_format.h"
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

// A CSV field: in double quotes, its own quotes doubled, when it holds a comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// "080-5123"
std::string BlockName(Range range, std::size_t block) { return std::string(FormatOf(range).digits) + "-" + FourDigits(block); }

// An answer on a line of the diff; "" for an empty name, which would otherwise vanish.
std::string Shown(std::u16string_view answer) { return answer.empty() ? "\"\"" : ToDisplayUtf8(answer); }

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// One diagnostic or note as compilers write it, with its source line and caret when asked for.
class DiagnosticLines {
public:
    DiagnosticLines(const DiagnosticSource& source, std::string& out) : file_(source.shownFile), source_(source.source),
                                                                        style_(source.style), out_(out) {}

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

private:
    void Colored(std::string_view color, std::string_view text) {
        if (style_.color) out_ += color;
        out_ += text;
        if (style_.color) out_ += kReset;
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

class Text : public OutputFormat {
public:
    void BeginInput(std::string&, std::optional<std::string_view>) const override {}
    void Box(std::string& out, std::u16string_view prompt, BoxStyle, std::optional<std::u16string_view>) const override {
        ForEachPromptLine(prompt, [&](std::u16string_view line) {
            out += ToDisplayUtf8(line);
            out += '\n';
        });
    }
    // Standard error has said why; standard output keeps the answers alone.
    void Unreadable(std::string&, std::string_view) const override {}
    void NoBox(std::string&) const override {}

    void DumpHeader(std::string& out) const override { out += "range,block,answer\n"; }
    void DumpRow(std::string& out, Range range, std::size_t block, std::string_view answer) const override {
        out += FormatOf(range).digits;
        out += ',';
        out += FourDigits(block);
        out += ',';
        AppendCsvField(out, answer);
        out += '\n';
    }

    void DiffRun(std::string& out, const ChangedRun& run) const override {
        const std::string first = BlockName(run.range, run.first);
        out += run.first == run.last ? first : first + ".." + BlockName(run.range, run.last);
        out += ": " + Shown(run.before) + " -> " + Shown(run.after) + "\n";
    }
    void DiffSummary(std::string& out, std::size_t blocks, std::size_t runs) const override {
        out += runs == 0 ? std::string("no answer changes\n")
                         : "answers change in " + Counted(blocks, "block", "blocks") + " (" + Counted(runs, "run", "runs") + ")\n";
    }

    void Diagnostic(std::string& out, const DiagnosticSource& source, const check::Diagnostic& d,
                    Severity severity) const override {
        DiagnosticLines lines(source, out);
        lines.Line(d.at, severity, d.message, NameOf(d.code));
        for (const check::Note& note : d.notes) lines.Line(note.at, Severity::Note, note.text, {});
    }
    void CheckSummary(std::string& out, std::string_view shownFile, std::size_t errors, std::size_t warnings) const override {
        out += shownFile;
        out += errors + warnings == 0
                   ? ": no errors or warnings\n"
                   : ": " + Counted(errors, "error", "errors") + ", " + Counted(warnings, "warning", "warnings") + "\n";
    }
};

}  // namespace

const OutputFormat& TextFormat() {
    static const Text text;
    return text;
}

}  // namespace milden::cli

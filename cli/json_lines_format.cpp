// The JSON Lines format: one object per line, for programs.
#include "cli/json_text.h"
#include "cli/output_format.h"

namespace milden::cli {
namespace {

std::string_view IconName(BoxStyle style) {
    switch (style) {
    case BoxStyle::Information: return "information";
    case BoxStyle::Warning: return "warning";
    case BoxStyle::NoIcon: break;
    }
    return "none";
}

// A member after the first one of an object: ,"key": (keys are plain ASCII words).
void AppendKey(std::string& out, std::string_view key) {
    out += ",\"";
    out += key;
    out += "\":";
}

// "line":L,"column":C, or nulls for no place; after a comma unless the object has just begun.
void AppendPlace(std::string& out, const DiagnosticSource& source, const ItemPosition& at) {
    if (out.back() != '{') out += ',';
    if (at.line == 0) {
        out += "\"line\":null,\"column\":null";
        return;
    }
    out += "\"line\":" + std::to_string(at.line) + ",\"column\":" + std::to_string(source.source.Column(at, source.style.columnUnit));
}

class JsonLines : public OutputFormat {
public:
    // {"input", "shown", "icon", "title", "lines"} for a box, {"input", "shown": false} without
    // one, {"input", "shown": false, "error"} for an input that could not be read. The object is
    // written as the answer comes: its input first.
    void BeginInput(std::string& out, std::optional<std::string_view> input) const override {
        if (!input) {
            out += "{\"input\":null";
        } else if (IsPlainJsonText(*input)) {
            out += "{\"input\":\"";
            out += *input;
            out += '"';
        } else {
            out += "{\"input\":";
            AppendJsonStringOfBytes(out, *input);
        }
    }
    void Box(std::string& out, std::u16string_view prompt, BoxStyle style,
             std::optional<std::u16string_view> title) const override {
        out += ",\"shown\":true,\"icon\":\"";
        out += IconName(style);
        out += "\",\"title\":";
        if (title) {
            AppendJsonString(out, *title);
        } else {
            out += "null";
        }
        AppendKey(out, "lines");
        char separator = '[';
        ForEachPromptLine(prompt, [&](std::u16string_view line) {
            out += separator;
            separator = ',';
            AppendJsonString(out, line);
        });
        out += "]}\n";
    }
    void Unreadable(std::string& out, std::string_view why) const override {
        out += ",\"shown\":false";
        AppendKey(out, "error");
        AppendJsonString(out, why);
        out += "}\n";
    }
    void NoBox(std::string& out) const override { out += ",\"shown\":false}\n"; }

    void DumpHeader(std::string&) const override {}
    void DumpRow(std::string& out, Range range, std::size_t block, std::string_view answer) const override {
        out += "{\"range\":\"";
        out += FormatOf(range).digits;
        out += "\",\"block\":\"";
        out += FourDigits(block);
        out += "\",\"answer\":";
        AppendJsonString(out, answer);
        out += "}\n";
    }

    void DiffRun(std::string& out, const ChangedRun& run) const override {
        out += "{\"first\":\"";
        out += FormatOf(run.range).digits;
        out += '-' + FourDigits(run.first) + "\",\"last\":\"";
        out += FormatOf(run.range).digits;
        out += '-' + FourDigits(run.last) + "\",\"old\":";
        AppendJsonString(out, run.before);
        out += ",\"new\":";
        AppendJsonString(out, run.after);
        out += "}\n";
    }
    // The stream stays objects only; the exit status says whether anything changed.
    void DiffSummary(std::string&, std::size_t, std::size_t) const override {}

    void Diagnostic(std::string& out, const DiagnosticSource& source, const check::Diagnostic& d,
                    check::Severity severity) const override {
        out += "{\"file\":";
        AppendJsonString(out, source.shownFile);
        AppendPlace(out, source, d.at);
        out += ",\"severity\":\"";
        out += NameOf(severity);
        out += "\",\"code\":\"";
        out += NameOf(d.code);
        out += "\",\"message\":";
        AppendJsonString(out, d.message);
        out += ",\"notes\":[";
        for (const check::Note& note : d.notes) {
            out += &note == d.notes.data() ? "{" : ",{";
            AppendPlace(out, source, note.at);
            out += ",\"message\":";
            AppendJsonString(out, note.text);
            out += '}';
        }
        out += "]}\n";
    }
    void CheckSummary(std::string&, std::string_view, std::size_t, std::size_t) const override {}
};

}  // namespace

const OutputFormat& JsonLinesFormat() {
    static const JsonLines json;
    return json;
}

}  // namespace milden::cli

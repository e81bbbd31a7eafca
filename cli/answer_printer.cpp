#include "cli/answer_printer.h"

#include <algorithm>

#include "check/display_text.h"
#include "cli/json_text.h"

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

// Calls each with every line of the box's prompt, cut at its carriage returns.
template <typename Each>
void ForEachPromptLine(std::u16string_view prompt, Each each) {
    for (;;) {
        const std::size_t cr = prompt.find(u'\r');
        each(prompt.substr(0, cr));
        if (cr == std::u16string_view::npos) return;
        prompt.remove_prefix(cr + 1);
    }
}

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A member after the first one of a JSON object: ,"key": (keys are plain ASCII words).
void AppendKey(std::string& out, std::string_view key) {
    out += ",\"";
    out += key;
    out += "\":";
}

}  // namespace

void AnswerPrinter::BeginInput(std::optional<std::string_view> input) {
    answered_ = false;
    if (format_ == OutputFormat::Json) {
        // The object is written as the answer comes: its input first.
        out_ += "{\"input\":";
        if (!input) {
            out_ += "null";
        } else if (IsAscii(*input)) {
            AppendJsonString(out_, *input);
        } else {
            AppendJsonString(out_, Utf16ToUtf8(Utf8ToUtf16(*input)));  // invalid UTF-8 becomes U+FFFD
        }
    }
}

void AnswerPrinter::ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) {
    answered_ = true;
    AppendBox(out_, prompt, style, title);
}

void AnswerPrinter::AppendBox(std::string& out, std::u16string_view prompt, BoxStyle style,
                              std::optional<std::u16string_view> title) const {
    if (format_ == OutputFormat::Text) {
        ForEachPromptLine(prompt, [&](std::u16string_view line) {
            out += ToDisplayUtf8(line);
            out += '\n';
        });
        return;
    }
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

void AnswerPrinter::ShowAppendedBox(std::string_view box) {
    answered_ = true;
    out_ += box;
}

void AnswerPrinter::Unreadable(std::string_view message) {
    answered_ = true;
    if (format_ == OutputFormat::Text) return;
    out_ += ",\"shown\":false";
    AppendKey(out_, "error");
    AppendJsonString(out_, message);
    out_ += "}\n";
}

void AnswerPrinter::EndInput() {
    if (answered_ || format_ == OutputFormat::Text) return;
    out_ += ",\"shown\":false}\n";
}

}  // namespace milden::cli

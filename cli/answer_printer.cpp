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

// A member after the first one of a JSON object: ,"key":
void AppendKey(std::string& out, std::string_view key) {
    out += ',';
    AppendJsonString(out, key);
    out += ':';
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
    boxStart_ = out_.size();
}

void AnswerPrinter::ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) {
    answered_ = true;
    if (format_ == OutputFormat::Text) {
        ForEachPromptLine(prompt, [&](std::u16string_view line) {
            out_ += ToDisplayUtf8(line);
            out_ += '\n';
        });
        return;
    }
    out_ += ",\"shown\":true";
    AppendKey(out_, "icon");
    AppendJsonString(out_, IconName(style));
    AppendKey(out_, "title");
    if (title) {
        AppendJsonString(out_, Utf16ToUtf8(*title));
    } else {
        out_ += "null";
    }
    AppendKey(out_, "lines");
    char separator = '[';
    ForEachPromptLine(prompt, [&](std::u16string_view line) {
        out_ += separator;
        separator = ',';
        AppendJsonString(out_, Utf16ToUtf8(line));
    });
    out_ += "]}\n";
}

void AnswerPrinter::ShowPrinted(std::string_view first, std::string_view second, std::string_view third) {
    answered_ = true;
    out_ += first;
    out_ += second;
    out_ += third;
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

#include "answer_printer.h"

#include <vector>

#include "display_text.h"

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

// The box's lines: its prompt cut at each carriage return.
std::vector<std::u16string_view> PromptLines(std::u16string_view prompt) {
    std::vector<std::u16string_view> lines;
    for (;;) {
        const std::size_t cr = prompt.find(u'\r');
        lines.push_back(prompt.substr(0, cr));
        if (cr == std::u16string_view::npos) return lines;
        prompt.remove_prefix(cr + 1);
    }
}

// A JSON string: quotes, backslashes and control characters escaped, the rest (valid UTF-8, as
// every text here has been through Utf16ToUtf8) as it is.
void AppendJsonString(std::string& out, std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[(c >> 4) & 0xF];
                out += kHex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// One JSON object on one line, its members written in the order they are added.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }

    void String(std::string_view key, const std::optional<std::string>& utf8) {
        Key(key);
        if (utf8) {
            AppendJsonString(out_, *utf8);
        } else {
            out_ += "null";
        }
    }
    void Bool(std::string_view key, bool value) {
        Key(key);
        out_ += value ? "true" : "false";
    }
    void Strings(std::string_view key, const std::vector<std::u16string_view>& values) {
        Key(key);
        out_ += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) out_ += ',';
            AppendJsonString(out_, Utf16ToUtf8(values[i]));
        }
        out_ += ']';
    }
    void End() { out_ += "}\n"; }

private:
    void Key(std::string_view key) {
        if (!first_) out_ += ',';
        first_ = false;
        AppendJsonString(out_, key);
        out_ += ':';
    }
    std::string& out_;
    bool first_ = true;
};

}  // namespace

void AnswerPrinter::BeginInput(std::optional<std::string_view> input) {
    input_.reset();
    if (input) input_ = Utf16ToUtf8(Utf8ToUtf16(*input));
    answered_ = false;
}

void AnswerPrinter::ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) {
    answered_ = true;
    const std::vector<std::u16string_view> lines = PromptLines(prompt);
    if (format_ == OutputFormat::Text) {
        for (const std::u16string_view line : lines) {
            out_ += ToDisplayUtf8(line);
            out_ += '\n';
        }
        return;
    }
    JsonObject object(out_);
    object.String("input", input_);
    object.Bool("shown", true);
    object.String("icon", std::string(IconName(style)));
    object.String("title", title ? std::optional<std::string>(Utf16ToUtf8(*title)) : std::nullopt);
    object.Strings("lines", lines);
    object.End();
}

void AnswerPrinter::Unreadable(std::string_view message) {
    answered_ = true;
    if (format_ == OutputFormat::Text) return;
    JsonObject object(out_);
    object.String("input", input_);
    object.Bool("shown", false);
    object.String("error", std::string(message));
    object.End();
}

void AnswerPrinter::EndInput() {
    if (answered_ || format_ == OutputFormat::Text) return;
    JsonObject object(out_);
    object.String("input", input_);
    object.Bool("shown", false);
    object.End();
}

}  // namespace milden::cli

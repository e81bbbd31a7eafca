// The message-box service of milden-lookup: it prints each box instead of showing it.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cli/output_format.h"
#include "engine/toolkit_services.h"

namespace milden::cli {

// Appends the answer to each input to out in the given format.
class AnswerPrinter : public MessageBoxService {
public:
    AnswerPrinter(const OutputFormat& format, std::string& out) : format_(format), out_(out) {}

    const OutputFormat& format() const { return format_; }

    // Starts the answer to one input, given as its bytes before any trimming; nothing stands
    // for an input too long to be kept.
    void BeginInput(std::optional<std::string_view> input) {
        answered_ = false;
        format_.BeginInput(out_, input);
    }
    void ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) override {
        answered_ = true;
        format_.Box(out_, prompt, style, title);
    }
    // Shows a box printed before by the format (its bytes depend on the box alone).
    void ShowPrintedBox(std::string_view box) {
        answered_ = true;
        out_ += box;
    }
    // The same for a box printed before in three pieces.
    void ShowPrintedBox(std::string_view start, std::string_view between, std::string_view end) {
        answered_ = true;
        const std::size_t at = out_.size();
        out_.resize(at + start.size() + between.size() + end.size());
        char* o = out_.data() + at;
        std::memcpy(o, start.data(), start.size());
        std::memcpy(o + start.size(), between.data(), between.size());
        std::memcpy(o + start.size() + between.size(), end.data(), end.size());
    }
    // The input could not be read: why says why.
    void Unreadable(std::string_view why) {
        answered_ = true;
        format_.Unreadable(out_, why);
    }
    // Ends the input.
    void EndInput() {
        if (!answered_) format_.NoBox(out_);
    }

private:
    const OutputFormat& format_;
    std::string& out_;
    bool answered_ = false;
};

}  // namespace milden::cli

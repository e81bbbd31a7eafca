// The message-box service of milden-lookup: it prints each box instead of showing it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/toolkit_services.h"

namespace milden::cli {

enum class OutputFormat { Text, Json };

// Appends the answer to each input to out, in UTF-8.
//   Text: the lines of the box, one per line; nothing for an input that shows no box.
//   Json: one object per input and line: {"input", "shown", "icon", "title", "lines"} for a box,
//         {"input", "shown": false} without one, {"input", "shown": false, "error"} for an input
//         that could not be read.
class AnswerPrinter : public MessageBoxService {
public:
    AnswerPrinter(OutputFormat format, std::string& out) : format_(format), out_(out) {}

    // Starts the answer to one input, given as its bytes before any trimming; nothing stands
    // for an input too long to be kept.
    void BeginInput(std::optional<std::string_view> input);
    void ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) override;
    // Appends to out the bytes that ShowMessage prints for a box: they depend on the box alone,
    // not on the input, so that a box printed once can be shown again with ShowAppendedBox.
    void AppendBox(std::string& out, std::u16string_view prompt, BoxStyle style,
                   std::optional<std::u16string_view> title) const;
    void ShowAppendedBox(std::string_view box);
    // The input could not be read: message says why.
    void Unreadable(std::string_view message);
    // Ends the input; in JSON, writes the end of the object of an input that showed no box.
    void EndInput();

private:
    OutputFormat format_;
    std::string& out_;
    bool answered_ = false;
};

}  // namespace milden::cli

// Inputs looked up one after another, from the arguments or from standard input: the lookup
// mode of milden-lookup.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/answer_printer.h"
#include "cli/command_line.h"
#include "engine/lookup_session.h"
#include "cli/standard_output.h"
#include "engine/whole_number.h"
#include "cli/whole_number_boxes.h"

namespace milden::cli {

class LookupBatch {
public:
    // typedRange: each input is the text typed into that range's box; nothing: whole numbers.
    LookupBatch(const LookupSession& session, const OutputFormat& format, std::optional<Range> typedRange,
                StandardOutput& out);

    // Answers one input; false when it could not be read.
    bool Answer(std::string_view input);
    // Answers each line of fd (blank lines skipped); false when some line could not be read.
    bool AnswerLines(int fd);

private:
    bool AnswerTooLongLine(std::size_t lineNumber);
    void Unreadable(const std::string& what, const std::string& why);

    const LookupSession& session_;
    std::optional<Range> typedRange_;
    StandardOutput& out_;
    AnswerPrinter printer_;
    WholeNumberBoxes wholeNumberBoxes_;
    StandardOutput::When flushAfterEachInput_;  // Now on a terminal, which should see each answer at once
};

// Loads the data file once, by the window's own rule (sorvane.dat in the current directory unless
// a file is named, a missing default file leaving every table empty), and answers the inputs of
// the command line or of standard input; the exit status.
int RunLookup(const CommandLine& line, StandardOutput& out);

}  // namespace milden::cli

// milden-lookup: the window's number lookup from the command line, for one number or thousands.
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <variant>

#include "answer_printer.h"
#include "command_line.h"
#include "line_reader.h"
#include "lookup_session.h"
#include "display_text.h"
#include "whole_number.h"

namespace milden::cli {
namespace {

constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;
constexpr std::size_t kFlushAt = std::size_t{1} << 16;

enum ExitStatus { kAllRead = 0, kSomeUnreadable = 1, kUsageError = 2, kWriteError = 3 };

// The window's option buttons with one range selected for good.
FixedRangeOptions FixedRange(RangeIndex index) { return FixedRangeOptions(kAllRanges.at(static_cast<std::size_t>(index))); }

class Lookup {
public:
    Lookup(const CommandLine& line, const LookupSession& session)
        : line_(line), session_(session),
          printer_(line.json ? OutputFormat::Json : OutputFormat::Text, out_),
          flushEachInput_(::isatty(STDOUT_FILENO) == 1) {}

    // Answers one input; false when it could not be read.
    bool Answer(std::string_view input) {
        printer_.BeginInput(input);
        bool read = true;
        if (line_.range) {
            session_.Search(Utf8ToUtf16(input), FixedRange(*line_.range), printer_);
        } else {
            const auto number = ReadWholeNumber(input);
            if (const auto* n = std::get_if<WholeNumber>(&number)) {
                session_.Search(n->text, FixedRange(n->range), printer_);
            } else {
                Unreadable("\"" + ToDisplayUtf8(Utf8ToUtf16(input)) + "\"", std::get<std::string>(number));
                read = false;
            }
        }
        printer_.EndInput();
        Flush(flushEachInput_);
        return read;
    }

    bool AnswerTooLongLine(std::size_t lineNumber) {
        printer_.BeginInput(std::nullopt);
        Unreadable("line " + std::to_string(lineNumber), "longer than 1 MiB, skipped");
        printer_.EndInput();
        return false;
    }

    // Writes what is buffered when it is much, or always; false once a write has failed.
    bool Flush(bool always) {
        if (out_.size() >= kFlushAt || (always && !out_.empty())) {
            if (std::fwrite(out_.data(), 1, out_.size(), stdout) != out_.size()) writeFailed_ = true;
            out_.clear();
        }
        if (always && std::fflush(stdout) != 0) writeFailed_ = true;
        return !writeFailed_;
    }

private:
    void Unreadable(const std::string& what, const std::string& why) {
        std::fprintf(stderr, "milden-lookup: %s: %s\n", what.c_str(), why.c_str());
        printer_.Unreadable(why);
    }

    const CommandLine& line_;
    const LookupSession& session_;
    std::string out_;
    AnswerPrinter printer_;
    bool flushEachInput_;
    bool writeFailed_ = false;
};

bool AnswerStandardInput(Lookup& lookup) {
    LineReader reader(STDIN_FILENO, kMaxLineBytes);
    bool allRead = true;
    std::string_view line;
    for (std::size_t number = 1;; ++number) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::End) break;
        if (result == LineReader::Result::TooLong) {
            allRead = lookup.AnswerTooLongLine(number) && allRead;
            continue;
        }
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);  // a byte-order mark
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;       // a blank line
        allRead = lookup.Answer(line) && allRead;
    }
    return allRead;
}

int Run(std::span<const char* const> args) {
    const CommandLine line = ParseCommandLine(args);
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(UsageText().data(), stdout);
        return std::fflush(stdout) == 0 ? kAllRead : kWriteError;
    case CommandLine::Action::Version:
        std::printf("milden-lookup %s\n", MILDEN_VERSION);
        return std::fflush(stdout) == 0 ? kAllRead : kWriteError;
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "milden-lookup: %s\nTry 'milden-lookup --help'.\n", line.error.c_str());
        return kUsageError;
    case CommandLine::Action::Lookup: break;
    }

    // Loaded once, by the window's own rule: sorvane.dat in the current directory unless a file
    // is named, a missing default file leaving every table empty.
    const std::string path = line.dataFile.value_or(DataFilePathInCurrentDirectory());
    if (line.dataFile && (!CheckFileExist(path) || ::access(path.c_str(), R_OK) != 0)) {
        std::fprintf(stderr, "milden-lookup: cannot read the data file %s\n", path.c_str());
        return kUsageError;
    }
    auto session = std::make_unique<LookupSession>();
    session->LoadFile(path);

    Lookup lookup(line, *session);
    bool allRead = true;
    if (line.inputs.empty()) {
        allRead = AnswerStandardInput(lookup);
    } else {
        for (const std::string& input : line.inputs) allRead = lookup.Answer(input) && allRead;
    }
    if (!lookup.Flush(true)) {
        std::fprintf(stderr, "milden-lookup: cannot write the output\n");
        return kWriteError;
    }
    return allRead ? kAllRead : kSomeUnreadable;
}

}  // namespace
}  // namespace milden::cli

int main(int argc, char** argv) {
    return milden::cli::Run(std::span<const char* const>(argv + 1, argc > 0 ? argc - 1 : 0));
}

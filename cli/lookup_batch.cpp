#include "cli/lookup_batch.h"

#include <memory>

#include "cli/console.h"
#include "cli/data_file_arg.h"
#include "check/display_text.h"
#include "cli/exit_status.h"
#include "cli/line_reader.h"

namespace milden::cli {
namespace {

constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// The input in double quotes, safe for the terminal.
std::string Quoted(std::string_view input) {
    std::string quoted = "\"";
    quoted += ToDisplayUtf8(Utf8ToUtf16(input));
    quoted += '"';
    return quoted;
}

}  // namespace

LookupBatch::LookupBatch(const LookupSession& session, const OutputFormat& format, std::optional<Range> typedRange,
                         StandardOutput& out)
    : session_(session), typedRange_(typedRange), out_(out), printer_(format, out.text()),
      wholeNumberBoxes_(session, printer_),
      flushAfterEachInput_(StandardOutputIsInteractive() ? StandardOutput::When::Now : StandardOutput::When::Large) {}

bool LookupBatch::Answer(std::string_view input) {
    printer_.BeginInput(input);
    bool read = true;
    if (typedRange_) {
        session_.Search(Utf8ToUtf16(input), FixedRangeOptions(*typedRange_), printer_);
    } else {
        const auto number = ReadWholeNumber(input);
        if (const auto* n = std::get_if<WholeNumber>(&number)) {
            wholeNumberBoxes_.Show(*n);
        } else {
            Unreadable(Quoted(input), std::get<std::string>(number));
            read = false;
        }
    }
    printer_.EndInput();
    out_.Flush(flushAfterEachInput_);
    return read;
}

bool LookupBatch::AnswerTooLongLine(std::size_t lineNumber) {
    printer_.BeginInput(std::nullopt);
    Unreadable("line " + std::to_string(lineNumber), "longer than 1 MiB, skipped");
    printer_.EndInput();
    return false;
}

void LookupBatch::Unreadable(const std::string& what, const std::string& why) {
    WriteStandardError("milden-lookup: " + what + ": " + why + "\n");
    printer_.Unreadable(why);
}

bool LookupBatch::AnswerLines(int fd) {
    LineReader reader(fd, kMaxLineBytes);
    bool allRead = true;
    std::string_view line;
    for (std::size_t number = 1;; ++number) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::End) break;
        if (result == LineReader::Result::TooLong) {
            allRead = AnswerTooLongLine(number) && allRead;
            continue;
        }
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);  // a byte-order mark
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;       // a blank line
        allRead = Answer(line) && allRead;
    }
    return allRead;
}

int RunLookup(const CommandLine& line, StandardOutput& out) {
    const DataFileArg file = DataFileNamed(line.dataFile);
    auto session = std::make_unique<LookupSession>();
    // A file named on the command line must be readable. Without sorvane.dat the inputs are
    // answered as the window answers them, all unknown; it is said once and the exit status says
    // it too, so that a script cannot take those answers for real ones.
    bool dataRead = true;
    if (line.dataFile.empty()) {
        dataRead = LoadOrSayWhy(*session, file, nullptr, "every answer is unknown");
    } else if (!LoadOrSayWhy(*session, file)) {
        return kExitCannotRun;
    }

    LookupBatch batch(*session, OutputFormatOf(line.json), line.range, out);
    bool allRead = true;
    if (line.inputs.empty()) {
        allRead = batch.AnswerLines(kStandardInputFd);
    } else {
        for (const std::string& input : line.inputs) allRead = batch.Answer(input) && allRead;
    }
    if (!dataRead) return kExitCannotRun;
    return allRead ? kExitClean : kExitFindings;
}

}  // namespace milden::cli

#include "cli/check.h"

#include <cstdlib>

#include "check/check_data.h"
#include "check/file_bytes.h"
#include "cli/console.h"
#include "cli/data_file_arg.h"
#include "cli/diagnostic_printer.h"
#include "cli/exit_status.h"
#include "lookup/format.h"

namespace milden::cli {
namespace {

bool EnvironmentSays(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

DiagnosticStyle StyleOf(const CommandLine& line) {
    const bool terminal = StandardOutputIsInteractive();
    DiagnosticStyle style;
    style.columnUnit = line.check.columnUnit;
    if (line.json) return style;
    // As compilers do: colour on a terminal that is not "dumb", unless NO_COLOR says otherwise.
    const char* term = std::getenv("TERM");
    const bool dumb = term != nullptr && std::string_view(term) == "dumb";
    style.color = line.check.color == CheckOptions::Color::Always ||
                  (line.check.color == CheckOptions::Color::Auto && terminal && !dumb && !EnvironmentSays("NO_COLOR") &&
                   StandardOutputShowsColour());
    style.sourceLines = terminal || line.check.color == CheckOptions::Color::Always;
    return style;
}

}  // namespace

int RunCheck(const CommandLine& line, StandardOutput& out) {
    const DataFileArg file = DataFileNamed(line.dataFile);
    // One byte past the read limit tells whether the file goes on beyond it.
    const check::FileBytes read = check::ReadFileBytes(file.path, kReadLimitBytes + 1);
    if (!read.error.empty()) {
        WriteStandardError("milden-lookup: cannot read the data file " + file.shown + ": " + read.error + "\n");
        return kExitCannotRun;
    }
    check::Diagnostics diagnostics(line.check.maxPerKind);
    for (const check::Code code : line.check.ignored) diagnostics.Ignore(code);
    check::CheckDataBytes(read.bytes, diagnostics);
    const check::SourceFile source(std::string_view(read.bytes).substr(0, kReadLimitBytes));
    AppendDiagnostics({file.shown, source, StyleOf(line)}, diagnostics, OutputFormatOf(line.json), out.text());
    const bool failed = diagnostics.CountOf(check::Severity::Error) > 0 ||
                        (line.check.werror && diagnostics.CountOf(check::Severity::Warning) > 0);
    return failed ? kExitFindings : kExitClean;
}

}  // namespace milden::cli

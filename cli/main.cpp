// milden-lookup: the window's number lookup from the command line, for one number or thousands,
// and the tools to check a data file, list its answers and compare two. The platform's entry
// point (main_posix.cpp, main_win32.cpp) hands over the arguments as UTF-8.
#include "cli/main.h"

#include <string>

#include "cli/check.h"
#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/diff.h"
#include "cli/dump.h"
#include "cli/exit_status.h"
#include "cli/lookup_batch.h"
#include "cli/output_format.h"
#include "cli/standard_output.h"
#include "version.h"

namespace milden::cli {

int RunMildenLookup(std::span<const char* const> args) {
    const CommandLine line = ParseCommandLine(args);
    StandardOutput out;
    int status = kExitClean;
    switch (line.action) {
    case CommandLine::Action::Help: out.text() = UsageText(); break;
    case CommandLine::Action::Version: out.text() = "milden-lookup " MILDEN_VERSION "\n"; break;
    case CommandLine::Action::UsageError:
        WriteStandardError("milden-lookup: " + line.error + "\nTry 'milden-lookup --help'.\n");
        return kExitCannotRun;
    case CommandLine::Action::Lookup: status = RunLookup(line, out); break;
    case CommandLine::Action::Check: status = RunCheck(line, out); break;
    case CommandLine::Action::Dump: status = RunDump(line.dataFile, OutputFormatOf(line.json), out); break;
    case CommandLine::Action::Diff: status = RunDiff(line.inputs[0], line.inputs[1], OutputFormatOf(line.json), out); break;
    }
    if (!out.Flush(StandardOutput::When::Now)) {
        WriteStandardError("milden-lookup: cannot write the output\n");
        return kExitWriteFailed;
    }
    return status;
}

}  // namespace milden::cli

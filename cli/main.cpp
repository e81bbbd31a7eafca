// milden-lookup: the window's number lookup from the command line, for one number or thousands,
// and the tools to check a data file, list its answers and compare two.
#include <cstdio>
#include <span>

#include "cli/check.h"
#include "cli/command_line.h"
#include "cli/diff.h"
#include "cli/dump.h"
#include "cli/exit_status.h"
#include "cli/lookup_batch.h"
#include "cli/standard_output.h"
#include "version.h"

namespace milden::cli {
namespace {

int Run(std::span<const char* const> args) {
    const CommandLine line = ParseCommandLine(args);
    StandardOutput out;
    int status = kExitClean;
    switch (line.action) {
    case CommandLine::Action::Help: out.text() = UsageText(); break;
    case CommandLine::Action::Version: out.text() = "milden-lookup " MILDEN_VERSION "\n"; break;
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "milden-lookup: %s\nTry 'milden-lookup --help'.\n", line.error.c_str());
        return kExitCannotRun;
    case CommandLine::Action::Lookup: status = RunLookup(line, out); break;
    case CommandLine::Action::Check: status = RunCheck(line, out); break;
    case CommandLine::Action::Dump: status = RunDump(line.dataFile, line.json, out); break;
    case CommandLine::Action::Diff: status = RunDiff(line.inputs[0], line.inputs[1], line.json, out); break;
    }
    if (!out.Flush(true)) {
        std::fprintf(stderr, "milden-lookup: cannot write the output\n");
        return kExitWriteFailed;
    }
    return status;
}

}  // namespace
}  // namespace milden::cli

int main(int argc, char** argv) {
    return milden::cli::Run(std::span<const char* const>(argv + 1, argc > 0 ? argc - 1 : 0));
}

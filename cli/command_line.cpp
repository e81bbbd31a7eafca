#include "cli/command_line.h"

namespace milden::cli {
namespace {

CommandLine UsageError(std::string message) {
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = std::move(message);
    return line;
}

}  // namespace

std::string_view UsageText() {
    return R"(Usage:
  milden-lookup [--data FILE] [--json] --range 090|080|070 TEXT...
  milden-lookup [--data FILE] [--json] NUMBER...
  milden-lookup [--data FILE] [--json]      (one input per line from standard input)
  milden-lookup --check [FILE]
  milden-lookup --dump [--json] [FILE]
  milden-lookup --diff [--json] OLD NEW

Says which operator holds a Japanese mobile (090, 080) or PHS (070) number block, with exactly
the answer the window's message box gives; checks a data file, lists its answers, compares two.

  --range R    each TEXT is what is typed into the box of range R (090, 080 or 070): it is
               trimmed of spaces and looked up as the window does, warnings included
  NUMBER       a whole number: 090-1234-5678, 09012345678, 090 1234 5678, +81 90-1234-5678,
               +819012345678, or its first part 090-1234, 0901234
  --data FILE  the data file to read; without it, sorvane.dat in the current directory (a
               missing sorvane.dat is not an error for lookups: every answer is then
               "unknown"). The installed data file is /usr/share/milden/sorvane.dat:
                 milden-lookup --data /usr/share/milden/sorvane.dat 090-1234-5678
  --json       one JSON object per input and line: "input", "shown" and, for an answer or a
               warning, "icon", "title" (null for a warning) and "lines"; "error" for a NUMBER
               that could not be read
  --           ends the options, so that a TEXT may begin with "-"
  --help       prints this text;  --version prints the version

Without inputs, each line of standard input is one input (blank lines are skipped, CR LF
line ends are accepted, a line longer than 1 MiB is skipped as unreadable).

  --check      reports every item of the data file (FILE, --data FILE or sorvane.dat) that the
               window drops, ignores or cannot answer with, one warning a line:
                 FILE:LINE:COLUMN: warning: TEXT   (FILE: warning: TEXT without a place)
               then a summary line. The column counts characters; the operator "27" is
               position 7 of group 2 of a range's operator list.
  --dump       the answer of every block, 090-0000 to 090-9999, then 080, then 070: CSV with
               the header range,block,answer, or with --json {"range","block","answer"} lines.
               The answer is the second line of the window's answer without "です。".
  --diff       one line per run of consecutive blocks whose answer changes from OLD to NEW in
               the same way, "080-5120..080-5129: OLD ANSWER -> NEW ANSWER", then a summary
               line; with --json {"first","last","old","new"} lines and no summary.

Exit status: 0 when every input was read, no warning was found, nothing changed; 1 when some
input could not be read, some warning was found, something changed; 2 for a usage error
(unknown option, bad --range value) or a data file that cannot be read; 3 when the output
could not be written.
)";
}

namespace {

// The mode an option asks for, if it is one of --check, --dump and --diff.
std::optional<CommandLine::Action> ModeOf(std::string_view arg) {
    if (arg == "--check") return CommandLine::Action::Check;
    if (arg == "--dump") return CommandLine::Action::Dump;
    if (arg == "--diff") return CommandLine::Action::Diff;
    return std::nullopt;
}

// What each mode accepts beyond its options, checked once every argument has been read.
CommandLine CheckedForItsMode(CommandLine line) {
    if (line.action == CommandLine::Action::Lookup) return line;
    if (line.range) return UsageError("--range applies only to lookups");
    switch (line.action) {
    case CommandLine::Action::Check:
    case CommandLine::Action::Dump: {
        const std::string mode = line.action == CommandLine::Action::Check ? "--check" : "--dump";
        if (line.action == CommandLine::Action::Check && line.json) return UsageError("--json does not apply to --check");
        if (line.inputs.size() > 1) return UsageError(mode + " reads one data file");
        if (line.inputs.size() == 1) {
            if (!line.dataFile.empty()) return UsageError(mode + " reads one data file: FILE or --data FILE");
            line.dataFile = line.inputs.front();
            line.inputs.clear();
        }
        return line;
    }
    case CommandLine::Action::Diff:
        if (!line.dataFile.empty()) return UsageError("--diff reads the two files it is given, not --data");
        if (line.inputs.size() != 2) return UsageError("--diff needs two data files: OLD NEW");
        return line;
    default: return line;
    }
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> args) {
    CommandLine line;
    for (const std::string_view arg : args) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") line.action = CommandLine::Action::Help;
        if (arg == "--version" && line.action != CommandLine::Action::Help) line.action = CommandLine::Action::Version;
    }
    if (line.action != CommandLine::Action::Lookup) return line;

    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !arg.starts_with("-")) {
            line.inputs.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--json") {
            line.json = true;
            continue;
        }
        if (const auto mode = ModeOf(arg)) {
            if (line.action != CommandLine::Action::Lookup && line.action != *mode) {
                return UsageError("--check, --dump and --diff cannot be combined");
            }
            line.action = *mode;
            continue;
        }
        // The two options with a value: "--name VALUE" or "--name=VALUE".
        const std::string_view name = arg.substr(0, arg.find('='));
        if (name != "--data" && name != "--range") return UsageError("unknown option " + std::string(arg));
        std::string_view value;
        if (name.size() < arg.size()) {
            value = arg.substr(name.size() + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return UsageError(std::string(name) + " needs a value");
        }
        if (name == "--data") {
            if (value.empty()) return UsageError("--data needs a file name");
            line.dataFile = value;
        } else {
            line.range = RangeFromName(value);
            if (!line.range) return UsageError("--range must be 090, 080 or 070, not " + std::string(value));
        }
    }
    return CheckedForItsMode(std::move(line));
}

}  // namespace milden::cli

#include "command_line.h"

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

Says which operator holds a Japanese mobile (090, 080) or PHS (070) number block, with exactly
the answer the window's message box gives.

  --range R    each TEXT is what is typed into the box of range R (090, 080 or 070): it is
               trimmed of spaces and looked up as the window does, warnings included
  NUMBER       a whole number: 090-1234-5678, 09012345678, 090 1234 5678, +81 90-1234-5678,
               +819012345678, or its first part 090-1234, 0901234
  --data FILE  the data file to read; without it, sorvane.dat in the current directory (a
               missing sorvane.dat is not an error: every answer is then "unknown"). The
               installed data file is /usr/share/milden/sorvane.dat:
                 milden-lookup --data /usr/share/milden/sorvane.dat 090-1234-5678
  --json       one JSON object per input and line: "input", "shown" and, for an answer or a
               warning, "icon", "title" (null for a warning) and "lines"; "error" for a NUMBER
               that could not be read
  --           ends the options, so that a TEXT may begin with "-"
  --help       prints this text;  --version prints the version

Without inputs, each line of standard input is one input (blank lines are skipped, CR LF
line ends are accepted, a line longer than 1 MiB is skipped as unreadable).

Exit status: 0 when every input was read, 1 when some could not be, 2 for a usage error
(unknown option, bad --range value, a --data file that cannot be read), 3 when the output
could not be written.
)";
}

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
    return line;
}

}  // namespace milden::cli

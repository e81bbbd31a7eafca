#include "cli/command_line.h"

#include <algorithm>
#include <iterator>

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
  milden-lookup --check [--json] [--ignore CODE,...] [--werror] [--color WHEN]
                [--column-unit UNIT] [--max-per-kind N] [FILE]
  milden-lookup --dump [--json] [FILE]
  milden-lookup --diff [--json] OLD NEW

Says which operator holds a Japanese mobile (090, 080) or PHS (070) number block, with exactly
the answer the window's message box gives; checks a data file, lists its answers, compares two.

  --range R    each TEXT is what is typed into the box of range R (090, 080 or 070): it is
               trimmed of spaces and looked up as the window does, warnings included
  NUMBER       a whole number as people write it: 090-1234-5678, (090) 1234-5678,
               ０９０ー１２３４ー５６７８, +81 (0)90-1234-5678, tel:+81-90-1234-5678,
               010-81-90-1234-5678, or its first part 090-1234
  --data FILE  the data file to read; without it, sorvane.dat in the current directory. A
               sorvane.dat that is missing or cannot be read is said on standard error and
               gives exit status 2, but the inputs are answered as the window answers them,
               every answer "unknown". The installed data file is
               /usr/share/milden/sorvane.dat:
                 milden-lookup --data /usr/share/milden/sorvane.dat 090-1234-5678
  --json       one JSON object per input and line: "input", "shown" and, for an answer or a
               warning, "icon", "title" (null for a warning) and "lines"; "error" for a NUMBER
               that could not be read
  --           ends the options, so that a TEXT may begin with "-"
  --help       prints this text;  --version prints the version

Without inputs, each line of standard input is one input (blank lines are skipped, CR LF
line ends are accepted, a line longer than 1 MiB is skipped as unreadable).

  --check      checks the data file (FILE, --data FILE or sorvane.dat) and reports, at the
               line and column of its cause and as compilers do, what changes answers or
               loses data (error) and what only looks odd (warning), with notes on what
               follows from it; then a summary line:
                 FILE:LINE:COLUMN: error: TEXT [CODE]
                 FILE:LINE:COLUMN: note: TEXT
               The operator "27" is position 7 of group 2 of a range's operator list; the
               codes are listed in milden-lookup(1). A name deleted from the 090 operator
               list of the bundled file, leaving ",,", gives:
sorvane.dat:38:16: error: empty name in operator group 0: it takes no position, so the names after it move one position forward [empty-name]
sorvane.dat:38:17: note: "au（KDDI）" is read as operator 01
    --ignore CODE,...   silences the diagnostics with these codes
    --werror            warnings count as errors for the exit status
    --color WHEN        auto (the default: on a terminal, unless NO_COLOR is set), always,
                        never; on a terminal or with always each place's line is shown with
                        a caret under the item
    --column-unit UNIT  display (the default: tab stops every 8, wide characters 2), byte
                        (the file's Shift-JIS bytes) or char
    --max-per-kind N    at most N diagnostics of each code, the rest counted (20; 0: all)
    --json              one JSON object per diagnostic: "file", "line", "column",
                        "severity", "code", "message", "notes" (each "line", "column",
                        "message")
  --dump       the answer of every block, 090-0000 to 090-9999, then 080, then 070: CSV with
               the header range,block,answer, or with --json {"range","block","answer"} lines.
               The answer is the second line of the window's answer without "です。".
  --diff       one line per run of consecutive blocks whose answer changes from OLD to NEW in
               the same way, "080-5120..080-5129: OLD ANSWER -> NEW ANSWER", then a summary
               line; with --json {"first","last","old","new"} lines and no summary.

Exit status: 0 when every input was read, the data file has no error, nothing changed; 1 when
some input could not be read, the data file has an error (or a warning, with --werror),
something changed; 2 for a usage error (unknown option, bad --range value) or a data file that
cannot be read, sorvane.dat included (the reason is said); 3 when the output could not be
written.
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
// checkOption: the first option given that only --check takes.
CommandLine CheckedForItsMode(CommandLine line, std::string_view checkOption) {
    if (!checkOption.empty() && line.action != CommandLine::Action::Check)
        return UsageError(std::string(checkOption) + " applies only to --check");
    if (line.action == CommandLine::Action::Lookup) return line;
    if (line.range) return UsageError("--range applies only to lookups");
    switch (line.action) {
    case CommandLine::Action::Check:
    case CommandLine::Action::Dump: {
        const std::string mode = line.action == CommandLine::Action::Check ? "--check" : "--dump";
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

// Reads the value of one of the options that take one into line; an error message, or empty.
std::string TakeValue(CommandLine& line, std::string_view name, std::string_view value) {
    CheckOptions& check = line.check;
    if (name == "--data") {
        if (value.empty()) return "--data needs a file name";
        line.dataFile = value;
    } else if (name == "--range") {
        line.range = RangeFromName(value);
        if (!line.range) return "--range must be 090, 080 or 070, not " + std::string(value);
    } else if (name == "--ignore") {
        for (std::size_t start = 0; start <= value.size();) {
            const std::size_t comma = std::min(value.find(',', start), value.size());
            const std::string_view code = value.substr(start, comma - start);
            const std::optional<check::Code> known = check::CodeNamed(code);
            if (!known) return "--ignore: no diagnostic has the code \"" + std::string(code) + "\"";
            check.ignored.push_back(*known);
            start = comma + 1;
        }
    } else if (name == "--color") {
        if (value == "auto") check.color = CheckOptions::Color::Auto;
        else if (value == "always") check.color = CheckOptions::Color::Always;
        else if (value == "never") check.color = CheckOptions::Color::Never;
        else return "--color must be auto, always or never, not " + std::string(value);
    } else if (name == "--column-unit") {
        if (value == "display") check.columnUnit = check::ColumnUnit::Display;
        else if (value == "byte") check.columnUnit = check::ColumnUnit::Byte;
        else if (value == "char") check.columnUnit = check::ColumnUnit::Char;
        else return "--column-unit must be display, byte or char, not " + std::string(value);
    } else {  // --max-per-kind
        std::size_t count = 0;
        for (const char c : value) {
            if (c < '0' || c > '9' || count > 1000000) return "--max-per-kind needs a count, not " + std::string(value);
            count = count * 10 + static_cast<std::size_t>(c - '0');
        }
        if (value.empty()) return "--max-per-kind needs a count";
        check.maxPerKind = count;
    }
    return {};
}

constexpr std::string_view kValueOptions[] = {"--data", "--range", "--ignore", "--color", "--column-unit", "--max-per-kind"};

bool OnlyForCheck(std::string_view option) { return option != "--data" && option != "--range" && option != "--json"; }

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
    std::string_view checkOption;
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
        if (arg == "--werror") {
            line.check.werror = true;
            if (checkOption.empty()) checkOption = arg;
            continue;
        }
        // The options with a value: "--name VALUE" or "--name=VALUE".
        const std::string_view name = arg.substr(0, arg.find('='));
        if (std::find(std::begin(kValueOptions), std::end(kValueOptions), name) == std::end(kValueOptions))
            return UsageError("unknown option " + std::string(arg));
        std::string_view value;
        if (name.size() < arg.size()) {
            value = arg.substr(name.size() + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return UsageError(std::string(name) + " needs a value");
        }
        if (std::string error = TakeValue(line, name, value); !error.empty()) return UsageError(std::move(error));
        if (OnlyForCheck(name) && checkOption.empty()) checkOption = name;
    }
    return CheckedForItsMode(std::move(line), checkOption);
}

}  // namespace milden::cli

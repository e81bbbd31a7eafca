// The options and inputs of milden-lookup.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/codes.h"
#include "check/diagnostic.h"
#include "check/source_file.h"
#include "engine/whole_number.h"

namespace milden::cli {

// How --check reports.
struct CheckOptions {
    enum class Color { Auto, Always, Never };
    std::vector<check::Code> ignored;  // --ignore CODE,...
    bool werror = false;               // warnings count as errors for the exit status
    Color color = Color::Auto;
    check::ColumnUnit columnUnit = check::ColumnUnit::Display;
    std::size_t maxPerKind = check::Diagnostics::kDefaultKeptPerCode;  // 0: no limit
};

struct CommandLine {
    enum class Action { Lookup, Check, Dump, Diff, Help, Version, UsageError };
    Action action = Action::Lookup;
    // --data FILE, or the FILE of --check and --dump; empty: sorvane.dat in the current directory.
    std::string dataFile;
    bool json = false;
    std::optional<Range> range;      // --range R: the inputs are TEXTs typed into that range's box
    CheckOptions check;
    // Lookup: the inputs, none meaning one per line from standard input. Diff: OLD and NEW.
    std::vector<std::string> inputs;
    std::string error;                    // for UsageError: what was wrong, one line
};

// Reads the arguments after the program name. Options may come in any order and between the
// inputs; "--" ends them, so that later arguments beginning with "-" are inputs. "--data=FILE"
// and "--range=R" are accepted too. --help and --version win over everything else.
CommandLine ParseCommandLine(std::span<const char* const> args);

// The usage text printed by --help.
std::string_view UsageText();

}  // namespace milden::cli

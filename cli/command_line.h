// The options and inputs of milden-lookup.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "whole_number.h"

namespace milden::cli {

struct CommandLine {
    enum class Action { Lookup, Help, Version, UsageError };
    Action action = Action::Lookup;
    std::string dataFile;                 // --data FILE; empty means sorvane.dat in the current directory
    bool json = false;
    std::optional<RangeIndex> range;      // --range R: the inputs are TEXTs typed into that range's box
    std::vector<std::string> inputs;      // empty: one input per line from standard input
    std::string error;                    // for UsageError: what was wrong, one line
};

// Reads the arguments after the program name. Options may come in any order and between the
// inputs; "--" ends them, so that later arguments beginning with "-" are inputs. "--data=FILE"
// and "--range=R" are accepted too. --help and --version win over everything else.
CommandLine ParseCommandLine(std::span<const char* const> args);

// The usage text printed by --help.
std::string_view UsageText();

}  // namespace milden::cli

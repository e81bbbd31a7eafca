// --check: every mistake of a data file, at its line and column, in the form compilers use.
#pragma once

#include "cli/command_line.h"
#include "cli/standard_output.h"

namespace milden::cli {

// Checks line.dataFile (empty: sorvane.dat in the current directory) and prints what it finds as
// line.check and line.json ask. The exit status: 1 with an error (or a warning, with --werror),
// 0 otherwise, 2 when the file cannot be read.
int RunCheck(const CommandLine& line, StandardOutput& out);

}  // namespace milden::cli

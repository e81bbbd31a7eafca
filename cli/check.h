// --check: every mistake of a data file, with its line, in the form compilers use.
#pragma once

#include <string>

#include "cli/standard_output.h"

namespace milden::cli {

// Loads dataFile (empty: sorvane.dat in the current directory), prints a warning for each fault
// and a summary line; the exit status: 0 without warnings, 1 with some, 2 when unreadable.
int RunCheck(const std::string& dataFile, StandardOutput& out);

}  // namespace milden::cli

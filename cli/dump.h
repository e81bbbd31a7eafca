// --dump: the answer of every block of the three ranges, as CSV or JSON Lines.
#pragma once

#include <string>
#include <vector>

#include "cli/standard_output.h"

namespace milden::cli {

class OutputFormat;

// Appends one row per block, in the order of AnswerEveryBlock: CSV "range,block,answer" after its
// header (quoted as RFC 4180 says), or {"range","block","answer"} objects.
void AppendDump(const std::vector<std::u16string>& answers, const OutputFormat& format, StandardOutput& out);

// Loads dataFile (empty: sorvane.dat in the current directory) and dumps its answers; the exit status.
int RunDump(const std::string& dataFile, const OutputFormat& format, StandardOutput& out);

}  // namespace milden::cli

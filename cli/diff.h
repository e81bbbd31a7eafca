// --diff: what changes for a user between two data files, block by block.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lookup/format.h"
#include "cli/standard_output.h"

namespace milden::cli {

class OutputFormat;

// A longest run of consecutive blocks of one range whose answers change from the same old one to
// the same new one.
struct ChangedRun {
    Range range;
    std::size_t first;  // blocks, 0 to 9999
    std::size_t last;
    std::u16string before;
    std::u16string after;
};

// The runs of blocks whose answers differ, in block order; both in the order of AnswerEveryBlock.
std::vector<ChangedRun> ChangedRuns(const std::vector<std::u16string>& before, const std::vector<std::u16string>& after);

// One line per run, "080-5120..080-5129: OLD -> NEW" ("080-5123: ..." for one block) and a summary
// line, or one {"first","last","old","new"} object per run.
void AppendDiff(const std::vector<ChangedRun>& runs, const OutputFormat& format, StandardOutput& out);

// Loads both files and prints what changes; the exit status (1 when something changes).
int RunDiff(const std::string& oldFile, const std::string& newFile, const OutputFormat& format, StandardOutput& out);

}  // namespace milden::cli

#include "cli/diff.h"

#include <memory>

#include "engine/block_answers.h"
#include "cli/data_file_arg.h"
#include "cli/exit_status.h"
#include "cli/output_format.h"

namespace milden::cli {

std::vector<ChangedRun> ChangedRuns(const std::vector<std::u16string>& before, const std::vector<std::u16string>& after) {
    std::vector<ChangedRun> runs;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] == after[i]) continue;
        const Range range = kAllRanges[i / kBlocksPerRange];
        const std::size_t block = i % kBlocksPerRange;
        if (!runs.empty()) {
            ChangedRun& last = runs.back();
            if (last.range == range && last.last + 1 == block && last.before == before[i] && last.after == after[i]) {
                last.last = block;
                continue;
            }
        }
        runs.push_back({range, block, block, before[i], after[i]});
    }
    return runs;
}

void AppendDiff(const std::vector<ChangedRun>& runs, const OutputFormat& format, StandardOutput& out) {
    std::size_t blocks = 0;
    for (const ChangedRun& run : runs) {
        blocks += run.last - run.first + 1;
        format.DiffRun(out.text(), run);
        out.Flush(StandardOutput::When::Large);
    }
    format.DiffSummary(out.text(), blocks, runs.size());
}

int RunDiff(const std::string& oldFile, const std::string& newFile, const OutputFormat& format, StandardOutput& out) {
    auto before = std::make_unique<LookupSession>();
    auto after = std::make_unique<LookupSession>();
    if (!LoadOrSayWhy(*before, DataFileNamed(oldFile)) || !LoadOrSayWhy(*after, DataFileNamed(newFile))) {
        return kExitCannotRun;
    }
    const std::vector<ChangedRun> runs = ChangedRuns(AnswerEveryBlock(*before), AnswerEveryBlock(*after));
    AppendDiff(runs, format, out);
    return runs.empty() ? kExitClean : kExitFindings;
}

}  // namespace milden::cli

#include "cli/diff.h"

#include <memory>

#include "engine/block_answers.h"
#include "cli/data_file_arg.h"
#include "check/display_text.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "lookup/utf8.h"

namespace milden::cli {
namespace {

// "080-5123"
std::string BlockName(Range range, std::size_t block) {
    return std::string(FormatOf(range).digits) + "-" + FourDigits(block);
}

// An answer on a line of the text diff; "" for an empty name, which would otherwise vanish.
std::string Shown(std::u16string_view answer) { return answer.empty() ? "\"\"" : ToDisplayUtf8(answer); }

std::string Plural(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

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

void AppendDiff(const std::vector<ChangedRun>& runs, bool json, StandardOutput& out) {
    std::string& text = out.text();
    std::size_t blocks = 0;
    for (const ChangedRun& run : runs) {
        blocks += run.last - run.first + 1;
        const std::string first = BlockName(run.range, run.first);
        const std::string last = BlockName(run.range, run.last);
        if (json) {
            text += "{\"first\":\"" + first + "\",\"last\":\"" + last + "\",\"old\":";
            AppendJsonString(text, run.before);
            text += ",\"new\":";
            AppendJsonString(text, run.after);
            text += "}\n";
        } else {
            text += run.first == run.last ? first : first + ".." + last;
            text += ": " + Shown(run.before) + " -> " + Shown(run.after) + "\n";
        }
        out.Flush(StandardOutput::When::Large);
    }
    if (json) return;  // JSON Lines stay objects only; the exit status says whether anything changed
    text += runs.empty() ? std::string("no answer changes\n")
                         : "answers change in " + Plural(blocks, "block", "blocks") + " (" + Plural(runs.size(), "run", "runs") + ")\n";
}

int RunDiff(const std::string& oldFile, const std::string& newFile, bool json, StandardOutput& out) {
    auto before = std::make_unique<LookupSession>();
    auto after = std::make_unique<LookupSession>();
    if (!LoadOrSayWhy(*before, DataFileNamed(oldFile)) || !LoadOrSayWhy(*after, DataFileNamed(newFile))) {
        return kExitCannotRun;
    }
    const std::vector<ChangedRun> runs = ChangedRuns(AnswerEveryBlock(*before), AnswerEveryBlock(*after));
    AppendDiff(runs, json, out);
    return runs.empty() ? kExitClean : kExitFindings;
}

}  // namespace milden::cli

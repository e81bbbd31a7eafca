#include "cli/dump.h"

#include <memory>

#include "engine/block_answers.h"
#include "cli/data_file_arg.h"
#include "cli/exit_status.h"
#include "cli/output_format.h"
#include "lookup/utf8.h"

namespace milden::cli {

void AppendDump(const std::vector<std::u16string>& answers, const OutputFormat& format, StandardOutput& out) {
    format.DumpHeader(out.text());
    for (std::size_t i = 0; i < answers.size(); ++i) {
        format.DumpRow(out.text(), kAllRanges[i / kBlocksPerRange], i % kBlocksPerRange, Utf16ToUtf8(answers[i]));
        out.Flush(StandardOutput::When::Large);
    }
}

int RunDump(const std::string& dataFile, const OutputFormat& format, StandardOutput& out) {
    auto session = std::make_unique<LookupSession>();
    if (!LoadOrSayWhy(*session, DataFileNamed(dataFile))) return kExitCannotRun;
    AppendDump(AnswerEveryBlock(*session), format, out);
    return kExitClean;
}

}  // namespace milden::cli

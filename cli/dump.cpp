#include "cli/dump.h"

#include <memory>

#include "engine/block_answers.h"
#include "cli/data_file_arg.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "lookup/utf8.h"

namespace milden::cli {
namespace {

// A CSV field: in double quotes, its own quotes doubled, when it holds a comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

void AppendDump(const std::vector<std::u16string>& answers, bool json, StandardOutput& out) {
    std::string& text = out.text();
    if (!json) text += "range,block,answer\n";
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const std::string_view range = FormatOf(kAllRanges[i / kBlocksPerRange]).digits;
        const std::string block = FourDigits(i % kBlocksPerRange);
        const std::string answer = Utf16ToUtf8(answers[i]);
        if (json) {
            text += "{\"range\":\"";
            text += range;
            text += "\",\"block\":\"";
            text += block;
            text += "\",\"answer\":";
            AppendJsonString(text, answer);
            text += "}\n";
        } else {
            text += range;
            text += ',';
            text += block;
            text += ',';
            AppendCsvField(text, answer);
            text += '\n';
        }
        out.Flush(StandardOutput::When::Large);
    }
}

int RunDump(const std::string& dataFile, bool json, StandardOutput& out) {
    auto session = std::make_unique<LookupSession>();
    if (!LoadOrSayWhy(*session, DataFileNamed(dataFile))) return kExitCannotRun;
    AppendDump(AnswerEveryBlock(*session), json, out);
    return kExitClean;
}

}  // namespace milden::cli

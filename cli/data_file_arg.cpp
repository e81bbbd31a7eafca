#include "cli/data_file_arg.h"

#include "check/display_text.h"
#include "check/file_bytes.h"
#include "cli/console.h"

namespace milden::cli {

DataFileArg DataFileNamed(const std::string& name) {
    if (name.empty()) return {DataFilePathInCurrentDirectory(), std::string(kDataFileName)};
    return {name, ToDisplayUtf8(Utf8ToUtf16(name))};
}

bool LoadOrSayWhy(LookupSession& session, const DataFileArg& file, LoadObserver* observer, std::string_view consequence) {
    if (session.LoadFile(file.path, observer)) return true;
    const std::string why = check::WhyUnreadable(file.path);
    WriteStandardError("milden-lookup: cannot read the data file " + file.shown + ": " +
                       (why.empty() ? std::string("a read error") : why) +
                       (consequence.empty() ? std::string() : "; " + std::string(consequence)) + "\n");
    return false;
}

}  // namespace milden::cli

#include "cli/data_file_arg.h"

#include "cli/console.h"
#include "cli/display_text.h"

namespace milden::cli {

DataFileArg DataFileNamed(const std::string& name) {
    if (name.empty()) return {DataFilePathInCurrentDirectory(), std::string(kDataFileName)};
    return {name, ToDisplayUtf8(Utf8ToUtf16(name))};
}

bool LoadOrSayWhy(LookupSession& session, const DataFileArg& file, LoadObserver* observer) {
    if (session.LoadFile(file.path, observer)) return true;
    WriteStandardError("milden-lookup: cannot read the data file " + file.shown + "\n");
    return false;
}

}  // namespace milden::cli

// The data file that --check, --dump and --diff read: one they are given, or sorvane.dat in the
// current directory.
#pragma once

#include <string>
#include <string_view>

#include "engine/lookup_session.h"

namespace milden::cli {

struct DataFileArg {
    std::string path;
    std::string shown;  // as the user named it, safe for a terminal
};

// The file named on the command line; an empty name stands for sorvane.dat in the current directory.
DataFileArg DataFileNamed(const std::string& name);

// Loads file into session. False, once it has said so on standard error, when nothing could be
// read from it (missing, not a regular file, unreadable); consequence, if given, follows the reason.
bool LoadOrSayWhy(LookupSession& session, const DataFileArg& file, LoadObserver* observer = nullptr,
                  std::string_view consequence = {});

}  // namespace milden::cli

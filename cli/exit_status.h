// The exit statuses of milden-lookup, the same for every mode.
#pragma once

namespace milden::cli {

enum ExitStatus : int {
    kExitClean = 0,        // every input read; no warning; no change
    kExitFindings = 1,     // some input could not be read; warnings; changes
    kExitCannotRun = 2,    // a usage error, or a data file that cannot be read
    kExitWriteFailed = 3,  // the output could not be written
};

}  // namespace milden::cli

#include "cli/standard_output.h"

#include "cli/console.h"

namespace milden::cli {
bool StandardOutput::Write(When when) {
    const bool now = when == When::Now;
    if (text_.size() >= kWriteAt || (now && !text_.empty())) {
        if (!WriteStandardOutput(text_)) failed_ = true;
        text_.clear();
    }
    if (now && !FlushStandardOutput()) failed_ = true;
    return !failed_;
}

}  // namespace milden::cli

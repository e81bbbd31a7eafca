#include "cli/standard_output.h"

#include "cli/console.h"

namespace milden::cli {
namespace {

constexpr std::size_t kWriteAt = std::size_t{1} << 16;

}  // namespace

bool StandardOutput::Flush(bool always) {
    if (text_.size() >= kWriteAt || (always && !text_.empty())) {
        if (!WriteStandardOutput(text_)) failed_ = true;
        text_.clear();
    }
    if (always && !FlushStandardOutput()) failed_ = true;
    return !failed_;
}

}  // namespace milden::cli

#include "cli/standard_output.h"

#include <cstdio>

namespace milden::cli {
namespace {

constexpr std::size_t kWriteAt = std::size_t{1} << 16;

}  // namespace

bool StandardOutput::Flush(bool always) {
    if (text_.size() >= kWriteAt || (always && !text_.empty())) {
        if (std::fwrite(text_.data(), 1, text_.size(), stdout) != text_.size()) failed_ = true;
        text_.clear();
    }
    if (always && std::fflush(stdout) != 0) failed_ = true;
    return !failed_;
}

}  // namespace milden::cli

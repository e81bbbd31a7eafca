// What milden-lookup writes to standard output, gathered in one buffer and written in large
// pieces.
#pragma once

#include <string>

namespace milden::cli {

class StandardOutput {
public:
    // The text to append to.
    std::string& text() { return text_; }

    enum class When : bool { Large, Now };
    // Writes the buffer once it is large, or now (then also what the C library holds of the
    // output). False once any write has failed.
    bool Flush(When when) { return when == When::Large && text_.size() < kWriteAt ? !failed_ : Write(when); }

private:
    static constexpr std::size_t kWriteAt = std::size_t{1} << 16;
    bool Write(When when);

    std::string text_;
    bool failed_ = false;
};

}  // namespace milden::cli

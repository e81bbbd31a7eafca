// What milden-lookup writes to standard output, gathered in one buffer and written in large
// pieces.
#pragma once

#include <string>

namespace milden::cli {

class StandardOutput {
public:
    // The text to append to.
    std::string& text() { return text_; }

    // Writes the buffer once it is large, or whenever always is set (then flushing stdout too).
    // False once any write has failed.
    bool Flush(bool always);

private:
    std::string text_;
    bool failed_ = false;
};

}  // namespace milden::cli

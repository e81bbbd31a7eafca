// Lines of standard input (or any file descriptor), read in large blocks.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace milden::cli {

class LineReader {
public:
    // Lines longer than maxLine bytes are not kept (see Next).
    LineReader(int fd, std::size_t maxLine) : fd_(fd), maxLine_(maxLine) {}

    enum class Result { Line, TooLong, End };
    // The next line, without its line end (LF, CR LF or a lone CR). A last line without a line
    // end counts too; line stays valid until the next call. TooLong: the line was longer than
    // maxLine and has been skipped whole.
    // End: nothing is left, or the input could not be read further.
    Result Next(std::string_view& line);

private:
    bool Fill();
    // The length of the text from begin_ up to the next line end, or to end_.
    std::size_t TextBeforeLineEnd();
    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

    int fd_;
    std::size_t maxLine_;
    std::array<char, 1 << 16> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    std::size_t nextLf_ = kUnknown;  // where the next LF from begin_ is in the buffer, or end_ for none
    bool skipLf_ = false;  // the previous line ended with a CR: a LF right after it belongs to it
    std::string line_;
};

}  // namespace milden::cli

#include "cli/line_reader.h"

#include <cstring>

#include "cli/console.h"

namespace milden::cli {

bool LineReader::Fill() {
    if (eof_) return false;
    const std::size_t n = ReadInput(fd_, buffer_.data(), buffer_.size());
    if (n == 0) {
        eof_ = true;
        return false;
    }
    begin_ = 0;
    end_ = n;
    nextLf_ = kUnknown;
    return true;
}

std::size_t LineReader::TextBeforeLineEnd() {
    // Lines end in LF nearly always: where the next one is, is found once for all the lines up
    // to it, and only the text of each line is searched for a CR.
    if (nextLf_ < begin_ || nextLf_ > end_) {
        const void* lf = std::memchr(buffer_.data() + begin_, '\n', end_ - begin_);
        nextLf_ = lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data()) : end_;
    }
    const void* cr = std::memchr(buffer_.data() + begin_, '\r', nextLf_ - begin_);
    return (cr != nullptr ? static_cast<std::size_t>(static_cast<const char*>(cr) - buffer_.data()) : nextLf_) - begin_;
}

LineReader::Result LineReader::Next(std::string_view& line) {
    line_.clear();
    bool tooLong = false;
    bool any = false;  // something of this line (text or its line end) has been seen
    for (;;) {
        if (begin_ == end_ && !Fill()) break;
        if (skipLf_) {
            skipLf_ = false;
            if (buffer_[begin_] == '\n') {
                ++begin_;
                continue;
            }
        }
        const char* start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const std::size_t n = TextBeforeLineEnd();
        any = true;
        if (line_.empty() && !tooLong && n < available && n <= maxLine_) {
            // The whole line lies in the buffer: no copy.
            begin_ += n + 1;
            skipLf_ = start[n] == '\r';
            line = std::string_view(start, n);
            return Result::Line;
        }
        if (!tooLong) {
            if (line_.size() + n > maxLine_) {
                tooLong = true;
                line_.clear();
            } else {
                line_.append(start, n);
            }
        }
        begin_ += n;
        if (n < available) {
            skipLf_ = start[n] == '\r';
            ++begin_;
            line = line_;
            return tooLong ? Result::TooLong : Result::Line;
        }
    }
    if (!any) return Result::End;
    line = line_;
    return tooLong ? Result::TooLong : Result::Line;
}

}  // namespace milden::cli

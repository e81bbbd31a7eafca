// The decoded data file read as a stream of items, cut at commas and line ends.
#pragma once

#include <cstddef>
#include <string_view>

namespace milden {

// Reads items from decoded text that it does not own. An item runs to the next comma or line end
// (CR LF, LF or CR), which is consumed with it; an item that begins with a double quote runs to
// the next double quote, commas and line ends included, and the rest up to the next comma or line
// end is dropped. Items come back with spaces and tabs trimmed. No other character is special.
class DataItemReader {
public:
    explicit DataItemReader(std::u16string_view text) : text_(text) {}

    // True when the read position is at the end of the text.
    bool AtEnd() const { return pos_ >= text_.size(); }

    // The next item, trimmed; a view into the text, valid as long as the text is. At the end of
    // the text it returns "".
    std::u16string_view NextItem();

private:
    void SkipDelimiter();

    std::u16string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace milden

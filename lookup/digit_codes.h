// The common item of a data file read the quick way: a short code of digits.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "lookup/byte_masks.h"
#include "lookup/data_item_reader.h"

namespace milden {

// An item of 1 to kDigitCodeBytes ASCII digits, maybe followed by one ";", or a ";" alone: its
// own value, with nothing to trim or cut, and no comment, quote, mark or keyword.
inline constexpr std::size_t kDigitCodeBytes = 4;
struct DigitCode {
    // The digits, followed by at least kDigitCodeBytes - length more bytes at hand, so that a
    // copy may take kDigitCodeBytes bytes.
    const char* bytes = nullptr;
    std::size_t length = 0;
    bool semicolon = false;
};

// The masks of kMaskBlockBytes bytes of a file that DigitCodes reads codes from. They outlive a
// run of codes, so that the run after an item of another kind goes on with them.
struct DigitCodeWindow {
    static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();  // no masks yet
    std::size_t fileOffset = kNone;     // of the first byte
    std::uint64_t ends = 0;             // the delimiters that end an item, but a CR in the last byte
    std::uint64_t codeEnds = 0;         // the delimiters that end a digit code
    std::uint64_t semicolonBefore = 0;  // the bytes after a ";"
    std::uint64_t lineEndPairs = 0;     // the CRs followed by an LF
};

// Reads a run of digit codes from a reader without an observer, as NextItem would but faster:
// the items' ends and kinds come from masks of kMaskBlockBytes bytes, so that finding the next
// item waits on no load of a byte. Next stops at any other item, left for NextItem, and in the
// last kMaskBlockBytes bytes at hand (so that the byte after a CR is always there to see). The
// reader must not be used meanwhile: the place read to goes back to it at the end.
class DigitCodes {
public:
    DigitCodes(DataItemReader& reader, DigitCodeWindow& window) : reader_(reader), window_(window), pos_(reader.pos_) {
        // Items start after a delimiter, so the masks of the window serve from any item in it on.
        const std::size_t offset = reader_.base_ + pos_;
        if (offset >= window_.fileOffset && offset - window_.fileOffset < kMaskBlockBytes &&
            window_.fileOffset >= reader_.base_) {
            start_ = window_.fileOffset - reader_.base_;
            ahead_ = window_.ends & ~std::uint64_t{0} << (pos_ - start_);
        }
    }
    ~DigitCodes() { reader_.pos_ = pos_; }
    DigitCodes(const DigitCodes&) = delete;
    DigitCodes& operator=(const DigitCodes&) = delete;

    bool Next(DigitCode& code) {
        if (ahead_ == 0 && !Refill()) return false;
        // Each next delimiter comes from the last by clearing a bit: nothing else waits on it.
        const std::uint64_t delimiter = ahead_ & -ahead_;
        if ((window_.codeEnds & delimiter) == 0) return false;
        const auto end = static_cast<std::size_t>(std::countr_zero(ahead_));
        code.semicolon = (window_.semicolonBefore & delimiter) != 0;
        code.bytes = data_ + pos_;
        code.length = start_ + end - pos_ - code.semicolon;
        ahead_ ^= delimiter;
        pos_ = start_ + end + 1 + ((window_.lineEndPairs & delimiter) != 0);
        return true;
    }

private:
    // Takes the masks of the bytes from pos_ on; false when there is no delimiter in them.
    bool Refill() {
        if (reader_.observer_ != nullptr || pos_ + kMaskBlockBytes >= size_) return false;
        start_ = pos_;
        const DigitCodeMasks masks = DigitCodeMasksOf(data_ + start_);
        const std::uint64_t delimiters = masks.delimiters, semicolons = masks.semicolons;
        window_.fileOffset = reader_.base_ + start_;
        window_.lineEndPairs = masks.lineEndPairs;
        window_.semicolonBefore = semicolons << 1;
        // The LF of a CR LF goes with the CR, as one line end; a CR in the last byte may be the
        // first of a pair, so its item waits for the next masks.
        window_.ends = delimiters & ~(masks.lineEndPairs << 1) & ~(std::uint64_t{1} << (kMaskBlockBytes - 1));
        // Where items start: here, and after each comma or line end (after the LF of a pair).
        const std::uint64_t starts = 1 | (delimiters & ~masks.lineEndPairs) << 1;
        // The bytes no digit code holds: all but digits, delimiters and a ";" just before one.
        const std::uint64_t foreign = ~(masks.digits | delimiters | (semicolons & delimiters >> 1));
        // Adding a foreign bit to the bits that are no delimiter carries it up to the next
        // delimiter: the delimiters that end an item holding a foreign byte.
        const std::uint64_t spoiled = (~delimiters + foreign) & delimiters;
        // The delimiters 1 to kDigitCodeBytes bytes after their item's start (one more after a
        // ";"): codes are short and not empty.
        std::uint64_t near = 0;
        for (std::size_t i = 1; i <= kDigitCodeBytes; ++i) near |= starts << i;
        near |= starts << (kDigitCodeBytes + 1) & window_.semicolonBefore;
        window_.codeEnds = delimiters & ~spoiled & near & ~starts;
        ahead_ = window_.ends;
        return ahead_ != 0;
    }

    DataItemReader& reader_;
    DigitCodeWindow& window_;
    const char* data_ = reader_.bytes_.data();
    std::size_t size_ = reader_.bytes_.size();
    std::size_t pos_;
    std::size_t start_ = 0;    // where the window starts in the reader's bytes
    std::uint64_t ahead_ = 0;  // the window's ends from pos_ on
};

}  // namespace milden

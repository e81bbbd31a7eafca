// The data file read as a stream of items, cut at commas and line ends on its raw bytes.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "lookup/byte_masks.h"
#include "lookup/load_observer.h"

namespace milden {

struct DataItem {
    // The item's bytes, spaces and tabs trimmed; for a quoted item, what lies between the quotes.
    // A view into the reader's bytes, valid until the next NextItem.
    std::string_view text;
    // Offsets in text of its first ";" and its first "," (only a quoted item can hold one), or
    // text.size(): found with the item, so the readers need not look again.
    std::size_t firstSemicolon = 0;
    std::size_t firstComma = 0;
    // Where the item starts (its quote, if quoted); filled only for a reader with an observer.
    ItemPosition at;

    bool HasSemicolon() const { return firstSemicolon < text.size(); }
};

// An item kept past the next NextItem (for a report made later), with its own copy of the text.
class KeptItem {
public:
    KeptItem() = default;
    explicit KeptItem(const DataItem& item) : text_(item.text), at_(item.at) {}
    DataItem item() const { return {text_, 0, 0, at_}; }

private:
    std::string text_;
    ItemPosition at_;
};

// Reads items from code page 932 bytes. An item runs to the next comma or line end (CR LF, LF or
// CR), which is consumed with it; an item that begins with a double quote runs to the next double
// quote, commas and line ends included, and the rest up to the next comma or line end is dropped.
// No other byte is special. None of these bytes can be the second byte of a two-byte character,
// so the bytes can be cut before they are decoded.
//
// A file is read a block at a time into one buffer, which grows only for an item longer than a
// block; at most kReadLimitBytes of it are read. Bytes in memory are read in place. Given bytes
// that stop short of the file's end (BytesEnd::CutShort), or a file longer than the limit, an item
// that runs into the end is dropped and reported, so no value is ever stored truncated.
//
// With an observer, the reader also tracks each item's line and column and reports how items were
// read (invalid Shift-JIS, text after a closing quote, a quoted item over a line end).
class DataFileHandle;

// Whether bytes given to a reader are the whole file or stop short of its end.
enum class BytesEnd : bool { FileEnd, CutShort };

class DataItemReader {
public:
    explicit DataItemReader(std::string_view bytes, LoadObserver* observer = nullptr, BytesEnd end = BytesEnd::FileEnd);
    // Reads from file, which stays the caller's and must outlive the reader.
    DataItemReader(DataFileHandle& file, LoadObserver* observer);

    // True when every item has been read (a file is read on as needed to tell).
    bool AtEnd() { return pos_ >= bytes_.size() && !ReadMore(); }

    // The next item. At the end it returns an empty item.
    DataItem NextItem() {
        // Most items start at once after the last delimiter, are not quoted and end inside the
        // 64-byte block they start in: the block's masks give their end and their first ";"
        // without a look at each byte. One that runs past its block takes a short way, the
        // rest, and every item of an observed load, the longer way.
        if (pos_ < bytes_.size() && observer_ == nullptr) {
            const char first = bytes_[pos_];
            const std::uint64_t shift = pos_ % kMaskBlockBytes;
            const BlockMasks& masks = MasksAt(pos_ / kMaskBlockBytes);
            const std::uint64_t delimiters = masks.delimiters >> shift;
            if (first != ' ' && first != '\t' && first != '"') {
                if (delimiters == 0) return NextItemAcrossBlocks();
                const std::size_t end = pos_ + static_cast<std::size_t>(std::countr_zero(delimiters));
                // The byte after the delimiter must be at hand too: after a CR it may be the LF.
                if (end + 1 < bytes_.size() && (end == pos_ || (bytes_[end - 1] != ' ' && bytes_[end - 1] != '\t'))) {
                    const std::uint64_t semicolons = (masks.semicolons >> shift) & ((delimiters & -delimiters) - 1);
                    // Field by field: a DataItem built whole is copied in pieces too large to
                    // forward from the stores that made it, which stalls the loop.
                    DataItem item;
                    item.text = std::string_view(bytes_.data() + pos_, end - pos_);
                    item.firstSemicolon = semicolons != 0 ? static_cast<std::size_t>(std::countr_zero(semicolons))
                                                          : item.text.size();
                    item.firstComma = item.text.size();
                    pos_ = end + (bytes_[end] == '\r' && bytes_[end + 1] == '\n' ? 2 : 1);
                    return item;
                }
            }
        }
        return NextItemGeneral();
    }

    LoadObserver* observer() const { return observer_; }

    // Tells the observer, if any, about item: fills in the event's position and item text.
    void Report(const DataItem& item, LoadEvent event);
    // Tells the observer that the file went on past the bytes read, if it did.
    void ReportCut();

private:
    friend class DigitCodes;  // reads runs of the common item from the bytes at hand
    static constexpr std::size_t kNotFound = std::numeric_limits<std::size_t>::max();

    // Where an item ends: after its closing quote (if quoted) and the text up to its delimiter.
    struct Extent {
        std::size_t start;      // first byte (the quote, if quoted)
        std::size_t close;      // the closing quote, or where the text ends
        std::size_t delimiter;  // the delimiter, or the end of the bytes
        bool quoted;
    };
    DataItem NextItemGeneral();
    // An unquoted item that starts at once but runs on past its block.
    DataItem NextItemAcrossBlocks();
    // The item at pos_, or nothing while it may run on into bytes not read yet.
    bool FindExtent(Extent& extent);
    // Reads more of the file after what is unread in the buffer; false when there is no more.
    bool ReadMore();
    const BlockMasks& MasksAt(std::size_t block) {
        if (block != maskedBlock_) {
            maskedBlock_ = block;
            const std::size_t from = block * kMaskBlockBytes;
            masks_ = MasksOf(bytes_.data() + from, std::min(kMaskBlockBytes, bytes_.size() - from));
        }
        return masks_;
    }
    // The first delimiter from pos on, or bytes_.size(); with semicolon, which must be
    // kNotFound, also the first ";" before it, if any.
    std::size_t NextDelimiter(std::size_t pos, std::size_t* semicolon = nullptr);
    void CountLineEnds(std::size_t from, std::size_t to);
    ItemPosition PositionOf(std::size_t offset);

    std::string_view bytes_;  // the bytes at hand; bytes_[0] is byte base_ of the file
    std::size_t base_ = 0;
    std::size_t pos_ = 0;
    LoadObserver* observer_;
    bool cut_ = false;
    // Reading a file: the buffer, how much of the file has been read, and whether that is all.
    DataFileHandle* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t fileRead_ = 0;
    bool allRead_ = true;
    std::size_t maskedBlock_ = std::numeric_limits<std::size_t>::max();  // the block whose masks_ are at hand
    BlockMasks masks_;
    // Tracked only with an observer, in offsets of the file: the current line, where it starts,
    // and the column of the last position asked for on it, so that columns are counted once.
    std::uint32_t line_ = 1;
    std::size_t lineStart_ = 0;
    std::size_t countedTo_ = 0;
    std::uint32_t countedColumns_ = 0;
    std::u16string decoded_;
};

}  // namespace milden

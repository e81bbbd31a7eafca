// A range's exception list: the code of each four-digit number that the section lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "lookup/format.h"
#include "lookup/text_arena.h"

namespace milden {

// The list is searched only for the four digits a user typed, and the first entry with a number
// wins: it keeps, for each block (the number as four ASCII digits, 0 to 9999), the code of the
// first entry with that number. Later entries with a number already held, and entries whose number
// is not four ASCII digits, change no answer and are not kept (the load observer still hears of
// each one, at its place in the buckets of numbers that share their first two characters).
class ExceptionList {
public:
    explicit ExceptionList(Range range) : range_(range) {}

    Range range() const { return range_; }

    // True while no entry is held.
    bool empty() const { return held_ == 0; }
    // The code of the first entry whose number equals key; "" when none, or when key is not four
    // ASCII digits, since no other key is ever asked.
    std::u16string Find(std::u16string_view key) const { return std::u16string(CodeOf(key)); }
    std::u16string_view CodeOf(std::u16string_view key) const;

    // Building, for the reader: whether an entry with number block is held, and holding one with
    // its code (code page 932 bytes; none for an entry whose section ended before its code).
    bool Holds(std::size_t block) const { return codes_ != nullptr && codes_[block] != kNotHeld; }
    void Hold(std::size_t block) {
        if (codes_ == nullptr) codes_ = std::make_unique<TextArena::Handle[]>(kBlocksPerRange);  // all kNotHeld
        codes_[block] = kNoCode;
        ++held_;
    }
    void SetCode(std::size_t block, std::string_view cp932) { codes_[block] = text_.AddCp932(cp932) + 1; }
    // For a reader with an observer: the index of a new bucket, counted over every reading of the
    // list's sections.
    int ReportBucket() { return reportedBuckets_++; }
    // Empties the list and frees its memory.
    void Release();

private:
    // Each block's code handle + 1; 0 while the block is not held.
    static constexpr TextArena::Handle kNotHeld = 0;
    static constexpr TextArena::Handle kNoCode = 1;

    Range range_;
    std::unique_ptr<TextArena::Handle[]> codes_;  // by block; made with the first entry
    std::size_t held_ = 0;
    int reportedBuckets_ = 0;
    // Codes are a few digits that repeat: the arena remembers a thousand short values rather
    // than the usual 64.
    TextArena text_{10};
};

}  // namespace milden

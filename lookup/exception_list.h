// A range's exception list: (number, code) entries in buckets of numbers that share their first
// two characters, searched in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "lookup/format.h"
#include "lookup/text_arena.h"

namespace milden {

// Entries and bucket starts are kept in chunked stores and their text in one arena, so a pair
// costs a few bytes more than its characters and nothing is copied as the list grows.
class ExceptionList {
public:
    explicit ExceptionList(Range range) : range_(range) {}

    Range range() const { return range_; }

    // Buckets in the list.
    std::size_t size() const { return buckets_.size(); }
    bool empty() const { return buckets_.empty(); }
    std::size_t EntryCount(std::size_t bucket) const;
    // The first two characters of the number that opened the bucket.
    std::u16string Prefix(std::size_t bucket) const;
    std::u16string Number(std::size_t bucket, std::size_t entry) const;
    std::u16string Code(std::size_t bucket, std::size_t entry) const;

    // The code of the first entry whose number equals key, in bucket order and then entry
    // order, visiting only buckets whose prefix is key's first two characters; "" when none.
    std::u16string Find(std::u16string_view key) const;

    // Building, for the reader: stores a value (code page 932 bytes) to become a number or code.
    TextArena::Handle AddValue(std::string_view cp932) { return text_.AddCp932(cp932); }
    std::u16string_view Value(TextArena::Handle value) const { return text_.Get(value); }
    // A new bucket at the end, opened by the next number.
    void OpenBucket() { buckets_.push_back({static_cast<std::uint32_t>(entries_.size())}); }
    // Appends an entry with number and no code to the last bucket, which must exist.
    void AddNumber(TextArena::Handle number) { entries_.push_back({number, 0}); }
    // Sets the code of the last entry.
    void SetLastCode(TextArena::Handle code) { entries_.back().code = code; }
    // Empties the list and frees its memory.
    void Release();

private:
    struct ExceptionBucket {
        std::uint32_t firstEntry;  // the bucket runs to the next bucket's first entry
    };
    struct ExceptionEntry {
        TextArena::Handle number;
        TextArena::Handle code;  // 0 when the section ended before the code
    };
    std::size_t FirstEntry(std::size_t bucket) const { return buckets_[bucket].firstEntry; }
    std::size_t EndEntry(std::size_t bucket) const {
        return bucket + 1 < buckets_.size() ? buckets_[bucket + 1].firstEntry : entries_.size();
    }

    Range range_;
    std::deque<ExceptionBucket> buckets_;
    std::deque<ExceptionEntry> entries_;
    // Codes are a few digits that repeat, and numbers repeat when a section comes again: the
    // arena remembers a thousand short values rather than the usual 64.
    TextArena text_{10};
};

}  // namespace milden

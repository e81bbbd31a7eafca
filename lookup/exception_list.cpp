#include "lookup/exception_list.h"

#include <algorithm>
#include <iterator>

#include "lookup/cp932.h"
#include "lookup/data_item_reader.h"
#include "lookup/lookup_tables.h"
#include "lookup/section_readers.h"
#include "lookup/text.h"

namespace milden {
namespace {

// Counted items 1 to 32,766 fit the 16-bit item counter; later items are not read.
constexpr int kCountedItemLimit = kCounterMax - 1;

template <typename Char>
std::basic_string_view<Char> CleanLine(std::basic_string_view<Char> item) {
    if (!item.empty() && item.front() == Char(kCommentStart)) return {};
    return TrimSpaces(BeforeFirst(item, Char(kRowEnd)));
}

}  // namespace

std::size_t ExceptionList::EntryCount(std::size_t bucket) const {
    return bucket < buckets_.size() ? EndEntry(bucket) - FirstEntry(bucket) : 0;
}

std::u16string ExceptionList::Prefix(std::size_t bucket) const {
    return bucket < buckets_.size() ? Number(bucket, 0).substr(0, kExceptionBucketPrefixLength) : std::u16string();
}

std::u16string ExceptionList::Number(std::size_t bucket, std::size_t entry) const {
    if (entry >= EntryCount(bucket)) return {};
    return std::u16string(text_.Get(entries_[FirstEntry(bucket) + entry].number));
}

std::u16string ExceptionList::Code(std::size_t bucket, std::size_t entry) const {
    if (entry >= EntryCount(bucket)) return {};
    return std::u16string(text_.Get(entries_[FirstEntry(bucket) + entry].code));
}

std::u16string ExceptionList::Find(std::u16string_view key) const {
    if (key.size() < kExceptionBucketPrefixLength) return {};  // no bucket prefix can equal it
    const std::u16string_view prefix = key.substr(0, kExceptionBucketPrefixLength);
    for (std::size_t bucket = 0; bucket < buckets_.size(); ++bucket) {
        const std::size_t first = FirstEntry(bucket);
        // The number that opened the bucket has at least two characters: its prefix.
        if (text_.Get(entries_[first].number).substr(0, kExceptionBucketPrefixLength) != prefix) continue;
        for (std::size_t e = first; e < EndEntry(bucket); ++e) {
            if (text_.Get(entries_[e].number) == key) return std::u16string(text_.Get(entries_[e].code));
        }
    }
    return {};
}

void ExceptionList::Release() {
    std::deque<ExceptionBucket>().swap(buckets_);
    std::deque<ExceptionEntry>().swap(entries_);
    text_.Clear();
}

std::u16string_view CleanExceptionLine(std::u16string_view item) { return CleanLine(item); }

SectionEnd ReadExceptionListSection(ExceptionList& list, DataItemReader& reader) {
    const SectionReport report(reader, list.range(), SectionKind::ExceptionList);
    int counted = 0;
    // The bucket this reading appends to (always the list's last): none until a number opens one.
    bool haveBucket = false;
    std::u16string prefix;
    int entry = -1;  // position of the last number in its bucket
    // A number that came before any bucket existed has nowhere to go; its code goes with it.
    bool droppedNumber = false;
    KeptItem lastNumber;  // for the report of a number left without its code
    SectionEnd end = SectionEnd::EndOfFile;
    while (!reader.AtEnd()) {
        const DataItem item = reader.NextItem();
        if (item.text == kSectionEnd) {
            if (report.on()) report(item, LoadEventKind::SectionClosed);
            end = SectionEnd::Closed;
            break;
        }
        const std::string_view cleaned = ExceptionValueOf(item);
        if (cleaned.empty()) {
            if (report.on() && !item.text.empty()) report(item, LoadEventKind::Ignored, NoValueReason(item.text));
            continue;
        }
        if (counted >= kCountedItemLimit) {
            if (report.on()) report(item, LoadEventKind::Ignored, LoadEventReason::CounterLimit);
            continue;
        }
        const bool isNumber = counted % 2 == 0;
        ++counted;
        const TextArena::Handle stored = list.AddValue(cleaned);
        // The value as stored; a short ASCII one (nearly every number and code) widened here,
        // which spares a look into the store.
        char16_t widened[8];
        const bool shortAscii = cleaned.size() <= std::size(widened) &&
                                std::all_of(cleaned.begin(), cleaned.end(), [](char c) { return c >= 0; });
        if (shortAscii) std::copy(cleaned.begin(), cleaned.end(), widened);
        const std::u16string_view value = shortAscii ? std::u16string_view(widened, cleaned.size()) : list.Value(stored);
        if (value.size() >= kExceptionBucketPrefixLength && isNumber &&
            (!haveBucket || value.compare(0, kExceptionBucketPrefixLength, prefix) != 0)) {
            list.OpenBucket();
            haveBucket = true;
            prefix.assign(value, 0, kExceptionBucketPrefixLength);
            entry = -1;
        }
        const int bucket = static_cast<int>(list.size()) - 1;
        if (isNumber) {
            droppedNumber = !haveBucket;
            if (droppedNumber) {
                if (report.on()) report(item, LoadEventKind::Ignored, LoadEventReason::ShortFirstValue);
                continue;
            }
            list.AddNumber(stored);
            ++entry;
            if (report.on()) {
                lastNumber = KeptItem(item);
                report(item, LoadEventKind::NumberStored, LoadEventReason::None, {bucket, entry}, value);
            }
        } else if (droppedNumber) {
            if (report.on()) report(item, LoadEventKind::Ignored, LoadEventReason::CodeOfDroppedNumber);
        } else {
            list.SetLastCode(stored);
            if (report.on()) report(item, LoadEventKind::CodeStored, LoadEventReason::None, {bucket, entry}, value);
        }
    }
    if (counted % 2 == 1 && !droppedNumber) {
        if (report.on()) report(lastNumber.item(), LoadEventKind::CodeMissing, LoadEventReason::None,
               {static_cast<int>(list.size()) - 1, entry});
    }
    return end;
}

void ReadExceptionList(ExceptionList& list, DataItemReader& reader) { ReadExceptionListSection(list, reader); }

std::u16string FindException(const LookupTables& tables, std::uint8_t rangeType, std::u16string_view key) {
    // A range type is the range's ordinal.
    if (rangeType >= kAllRanges.size()) return {};
    return tables.Exceptions(kAllRanges[rangeType]).Find(key);
}

}  // namespace milden

#include "lookup/exception_list.h"

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

std::u16string_view ExceptionList::CodeOf(std::u16string_view key) const {
    const std::size_t block = BlockNamedBy(key);
    if (block == kNoBlock || codes_ == nullptr || codes_[block] <= kNoCode) return {};
    return text_.Get(codes_[block] - 1);
}

void ExceptionList::Release() {
    codes_.reset();
    held_ = 0;
    reportedBuckets_ = 0;
    text_.Clear();
}

std::u16string_view CleanExceptionLine(std::u16string_view item) { return CleanLine(item); }

namespace {

// The buckets of numbers that share their first two characters, as the observer hears of them: a
// number opens a bucket when its first two characters differ from the current bucket's (a number of
// one character opens none, and the first one, with nowhere to go, is dropped with its code).
class ReportedBuckets {
public:
    ReportedBuckets(const SectionReport& report, ExceptionList& list) : report_(report), list_(list) {}

    void Number(const DataItem& item, std::u16string_view value) {
        if (value.size() >= kExceptionBucketPrefixLength &&
            (bucket_ < 0 || value.compare(0, kExceptionBucketPrefixLength, prefix_) != 0)) {
            bucket_ = list_.ReportBucket();
            prefix_.assign(value, 0, kExceptionBucketPrefixLength);
            entry_ = -1;
        }
        awaitingCode_ = true;
        dropped_ = bucket_ < 0;
        if (dropped_) {
            report_(item, LoadEventKind::Ignored, LoadEventReason::ShortFirstValue);
            return;
        }
        ++entry_;
        lastNumber_ = KeptItem(item);
        report_(item, LoadEventKind::NumberStored, LoadEventReason::None, {bucket_, entry_}, value);
    }
    void Code(const DataItem& item, std::u16string_view value) {
        awaitingCode_ = false;
        if (dropped_) {
            report_(item, LoadEventKind::Ignored, LoadEventReason::CodeOfDroppedNumber);
        } else {
            report_(item, LoadEventKind::CodeStored, LoadEventReason::None, {bucket_, entry_}, value);
        }
    }
    void End() const {
        if (awaitingCode_ && !dropped_) report_(lastNumber_.item(), LoadEventKind::CodeMissing, LoadEventReason::None, {bucket_, entry_});
    }

private:
    const SectionReport& report_;
    ExceptionList& list_;
    int bucket_ = -1;  // the current bucket's index in the list, -1 for none yet in this reading
    std::u16string prefix_;
    int entry_ = -1;   // position of the last number in its bucket
    bool awaitingCode_ = false;
    bool dropped_ = false;
    KeptItem lastNumber_;
};

}  // namespace

SectionEnd ReadExceptionListSection(ExceptionList& list, DataItemReader& reader) {
    const SectionReport report(reader, list.range(), SectionKind::ExceptionList);
    ReportedBuckets buckets(report, list);
    int counted = 0;
    // The block of the last number while its entry is held and waits for its code.
    std::size_t awaiting = kNoBlock;
    SectionEnd end = SectionEnd::EndOfFile;
    std::u16string decoded;
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
        // Only the first entry of a four-digit number can be found; only its code is decoded.
        if (isNumber) {
            awaiting = BlockNamedBy(cleaned);
            if (awaiting != kNoBlock && list.Holds(awaiting)) awaiting = kNoBlock;
            if (awaiting != kNoBlock) list.Hold(awaiting);
        } else if (awaiting != kNoBlock) {
            list.SetCode(awaiting, cleaned);
            awaiting = kNoBlock;
        }
        if (report.on()) {
            DecodeCp932(cleaned, decoded);
            if (isNumber) {
                buckets.Number(item, decoded);
            } else {
                buckets.Code(item, decoded);
            }
        }
    }
    if (report.on()) buckets.End();
    return end;
}

void ReadExceptionList(ExceptionList& list, DataItemReader& reader) { ReadExceptionListSection(list, reader); }

std::u16string FindException(const LookupTables& tables, std::uint8_t rangeType, std::u16string_view key) {
    // A range type is the range's ordinal.
    if (rangeType >= kAllRanges.size()) return {};
    return tables.Exceptions(kAllRanges[rangeType]).Find(key);
}

}  // namespace milden

// What the three section readers share, and how each of them stopped.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "lookup/data_item_reader.h"
#include "lookup/exception_list.h"
#include "lookup/format.h"
#include "lookup/load_observer.h"
#include "lookup/operator_list.h"
#include "lookup/prefix_table.h"
#include "lookup/text.h"

namespace milden {

enum class SectionEnd { Closed, EndOfFile, IndexPastLastIndex };

// Why an item that stores nothing takes its column or position: a comment, or nothing before ";".
template <typename Text>
constexpr LoadEventReason NoValueReason(Text item) {
    return !item.empty() && item.front() == kCommentStart ? LoadEventReason::Comment : LoadEventReason::NoValue;
}

// Tells the observer, if there is one, what a section reader did with an item. Callers test on()
// first, so that without an observer no event is even built.
class SectionReport {
public:
    SectionReport(DataItemReader& reader, Range range, SectionKind kind) : reader_(reader), section_(&KeyOf(range, kind)) {}
    bool on() const { return reader_.observer() != nullptr; }
    void operator()(const DataItem& item, LoadEventKind kind, LoadEventReason reason = LoadEventReason::None,
                    std::array<int, 3> place = {}, std::u16string_view value = {}) const {
        reader_.Report(item, {kind, reason, section_, {}, {}, value, place});
    }

private:
    DataItemReader& reader_;
    const SectionKey* section_;
};

// CleanCellValue and CleanExceptionLine of an item, from the cuts the item reader found.
// The item reader trimmed spaces (and tabs) around the item already: only a cut can leave more.
inline std::string_view ValueBefore(std::string_view text, std::size_t cut) {
    if (text.starts_with(kCommentStart)) return {};
    return cut < text.size() ? TrimSpaces(text.substr(0, cut)) : text;
}
inline std::string_view CellValueOf(const DataItem& item) { return ValueBefore(item.text, std::min(item.firstSemicolon, item.firstComma)); }
inline std::string_view ExceptionValueOf(const DataItem& item) { return ValueBefore(item.text, item.firstSemicolon); }

// The readers themselves, with how they stopped (the public ones in lookup_tables.h drop it).
SectionEnd ReadPrefixTableSection(PrefixTable& table, DataItemReader& reader);
SectionEnd ReadOperatorListSection(OperatorList& list, DataItemReader& reader);
SectionEnd ReadExceptionListSection(ExceptionList& list, DataItemReader& reader);

}  // namespace milden

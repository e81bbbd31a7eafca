#include "lookup/prefix_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "lookup/cp932.h"
#include "lookup/data_item_reader.h"
#include "lookup/decimal_number.h"
#include "lookup/digit_codes.h"
#include "lookup/lookup_tables.h"
#include "lookup/section_readers.h"
#include "lookup/text.h"

namespace milden {
namespace {

// value rounded half to even, as std::nearbyint does in the default rounding mode: adding and
// taking away 2^52 leaves a double below 2^52 rounded to a whole number. nearbyint is the only
// function milden-lookup would take from libm, and mapping libm costs a short lookup a tenth of
// its time.
double RoundHalfToEven(double value) {
    constexpr double kTwoTo52 = 4503599627370496.0;
    if (!(std::fabs(value) < kTwoTo52)) return value;  // a whole number already, or NaN
    return value < 0 ? -((-value + kTwoTo52) - kTwoTo52) : (value + kTwoTo52) - kTwoTo52;
}

std::int16_t RoundToInt16(double value) {
    const double rounded = RoundHalfToEven(value);
    if (!(rounded <= kCounterMax)) return kCounterMax;
    if (rounded < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(rounded);
}

template <typename Char>
IndexLine ParseIndex(std::basic_string_view<Char> item) {
    if (item.size() < kIndexKeyword.size() || !IsMark(item.substr(0, kIndexKeyword.size()), kIndexKeyword)) return {};
    const auto number = BeforeFirst(item.substr(kIndexKeyword.size()), Char(kLabelStart));
    if (!IsDecimalNumber(number)) return {};
    return {true, RoundToInt16(DecimalNumberValue(number))};
}

template <typename Char>
std::basic_string_view<Char> CleanCell(std::basic_string_view<Char> item) {
    if (!item.empty() && item.front() == Char(kCommentStart)) return {};
    // Cutting before the first "," and then before the first ";" is cutting before the first of either.
    std::size_t end = 0;
    while (end < item.size() && item[end] != Char(',') && item[end] != Char(kRowEnd)) ++end;
    return TrimSpaces(item.substr(0, end));
}

// Why an item outside a block stores nothing.
enum class Outside { BeforeFirstBlock, AfterBlockEnd, InSkippedBlock };

constexpr LoadEventReason ReasonOf(Outside where) {
    switch (where) {
    case Outside::BeforeFirstBlock: return LoadEventReason::BeforeFirstBlock;
    case Outside::AfterBlockEnd: return LoadEventReason::AfterBlockEnd;
    case Outside::InSkippedBlock: return LoadEventReason::InSkippedBlock;
    }
    return LoadEventReason::None;
}

// Where a cell item moves the place to: the next column, or the next row after a ";".
template <typename Counter>
void Advance(Counter& row, Counter& column, bool semicolon) {
    column = static_cast<Counter>(std::min<int>(column + 1, kCounterMax));
    if (semicolon && row < kRowsPerBlock) {
        column = 0;
        ++row;
    }
}

// Reads the run of digit codes that follows in a block (nearly all of a table) as the item loop
// of ReadPrefixTableSection would, storing them straight from the bytes; the place is counted
// in ints here, which the compiler keeps in registers.
void StoreDigitCells(PrefixTable& table, DataItemReader& reader, DigitCodeWindow& window, int index, std::int16_t& row,
                     std::int16_t& column) {
    int r = row;
    int c = column;
    DigitCodes codes(reader, window);
    for (DigitCode code; codes.Next(code);) {
        if (code.length != 0 && c < kCellsPerRow && r < kRowsPerBlock) table.StoreShortCell(index, r, c, code.bytes, code.length);
        Advance(r, c, code.semicolon);
    }
    row = static_cast<std::int16_t>(r);
    column = static_cast<std::int16_t>(c);
}

}  // namespace

IndexLine ParseIndexLine(std::u16string_view item) { return ParseIndex(item); }
IndexLine ParseIndexLine(std::string_view item) { return ParseIndex(item); }
std::u16string_view CleanCellValue(std::u16string_view item) { return CleanCell(item); }

SectionEnd ReadPrefixTableSection(PrefixTable& table, DataItemReader& reader) {
    const SectionReport report(reader, table.range(), SectionKind::PrefixTable);
    bool inBlock = false;
    Outside outside = Outside::BeforeFirstBlock;
    std::int16_t index = 0;
    std::int16_t row = 0;
    std::int16_t column = 0;
    DigitCodeWindow window;  // the masks the last run of digit codes was read with
    while (!reader.AtEnd()) {
        if (inBlock) {
            StoreDigitCells(table, reader, window, index, row, column);
            if (reader.AtEnd()) break;
        }
        const DataItem taken = reader.NextItem();
        std::string_view item = taken.text;
        if (const IndexLine line = item.starts_with(kIndexKeyword.front()) ? ParseIndexLine(item) : IndexLine{}; line.recognised) {
            index = line.number;
            // A block with a negative index would lie outside the table: it is skipped whole.
            inBlock = index >= 0;
            row = 0;
            column = 0;
            item = {};
            if (index > table.LastIndex()) {
                if (report.on()) report(taken, LoadEventKind::Ignored, LoadEventReason::IndexPastLastIndex, {index});
                return SectionEnd::IndexPastLastIndex;
            }
            if (inBlock) {
                if (report.on()) report(taken, LoadEventKind::BlockOpened, LoadEventReason::None, {index});
            } else {
                outside = Outside::InSkippedBlock;
                if (report.on()) report(taken, LoadEventKind::Ignored, LoadEventReason::NegativeIndex, {index});
            }
        }
        if (item == kSectionEnd) {
            if (report.on()) report(taken, LoadEventKind::SectionClosed);
            return SectionEnd::Closed;
        }
        if (item == kBlockEnd) {
            if (report.on()) report(taken, inBlock ? LoadEventKind::BlockClosed : LoadEventKind::Ignored,
                   inBlock ? LoadEventReason::None : ReasonOf(outside));
            inBlock = false;
            outside = Outside::AfterBlockEnd;
            continue;
        }
        if (item.empty()) {
            if (report.on() && inBlock && taken.text.empty() && !reader.AtEnd())
                report(taken, LoadEventKind::Ignored, LoadEventReason::EmptyItem, {index, row, column});
            continue;
        }
        if (!inBlock) {
            if (report.on()) report(taken, LoadEventKind::Ignored, ReasonOf(outside));
            continue;
        }
        const bool inTable = column < kCellsPerRow && row < kRowsPerBlock;
        // Only a cell inside the table needs its value (most rows run on past their tenth cell).
        const std::string_view value = inTable || reader.observer() ? CellValueOf(taken) : std::string_view();
        if (inTable && !value.empty()) {
            table.StoreCell(index, row, column, value);
            if (report.on())
                report(taken, LoadEventKind::CellStored, LoadEventReason::None, {index, row, column},
                       table.Cell(index, row, column));
        } else if (reader.observer()) {
            if (report.on()) report(taken, LoadEventKind::Ignored,
                   value.empty() ? NoValueReason(item)
                   : row >= kRowsPerBlock ? LoadEventReason::AfterTenthRow
                                          : LoadEventReason::PastTenthColumn,
                   {index, row, column});
        }
        Advance(row, column, taken.HasSemicolon());
    }
    return SectionEnd::EndOfFile;
}

void ReadPrefixTable(LookupTables& tables, int kind, DataItemReader& reader) {
    if (kind < 0 || kind >= static_cast<int>(kAllRanges.size())) return;
    ReadPrefixTableSection(tables.Prefixes(kAllRanges[static_cast<std::size_t>(kind)]), reader);
}

}  // namespace milden

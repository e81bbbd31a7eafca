#include <cmath>
#include <limits>

#include "data_item_reader.h"
#include "decimal_number.h"
#include "lookup_tables.h"
#include "saturating.h"
#include "text.h"

namespace milden {
namespace {

constexpr std::u16string_view kIndexPrefix = u"index=";

std::int16_t RoundToInt16(double value) {
    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded <= std::numeric_limits<std::int16_t>::max())) return std::numeric_limits<std::int16_t>::max();
    if (rounded < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(rounded);
}

// Writes the cells of one table kind; the three tables differ only in their last index.
template <int IndexCount>
void ReadPrefixTableInto(PrefixTable<IndexCount>& table, DataItemReader& reader) {
    bool inBlock = false;
    std::int16_t index = 0;
    std::int16_t row = 0;
    std::int16_t column = 0;
    while (!reader.AtEnd()) {
        const std::u16string_view taken = reader.NextItem();
        std::u16string_view item = taken;
        if (const IndexLine line = ParseIndexLine(item); line.recognised) {
            index = line.number;
            // A block with a negative index would lie outside the table: it is skipped whole.
            inBlock = index >= 0;
            row = 0;
            column = 0;
            item = {};
        }
        if (item == u"}") return;
        if (index > PrefixTable<IndexCount>::kLastIndex) return;
        if (item == u"]") inBlock = false;
        if (item.empty() || !inBlock) continue;
        const std::u16string_view value = CleanCellValue(item);
        if (!value.empty() && column <= 9 && row <= 9) table.SetCell(index, row, column, value);
        SaturatingIncrement(column);
        if (taken.find(u';') != std::u16string_view::npos && row <= 9) {
            column = 0;
            ++row;
        }
    }
}

}  // namespace

IndexLine ParseIndexLine(std::u16string_view item) {
    if (!item.starts_with(kIndexPrefix)) return {};  // a comment starts with "#", never "index="
    const std::u16string_view number = BeforeFirst(item.substr(kIndexPrefix.size()), u'[');
    if (!IsDecimalNumber(number)) return {};
    return {true, RoundToInt16(DecimalNumberValue(number))};
}

std::u16string_view CleanCellValue(std::u16string_view item) {
    if (item.starts_with(u'#')) return {};
    return TrimItemBlanks(BeforeFirst(BeforeFirst(item, u','), u';'));
}

void ReadPrefixTable(LookupTables& tables, int kind, DataItemReader& reader) {
    switch (kind) {
    case 0: ReadPrefixTableInto(tables.PrefixTable090, reader); break;
    case 1: ReadPrefixTableInto(tables.PrefixTable080, reader); break;
    case 2: ReadPrefixTableInto(tables.PrefixTablePhs, reader); break;
    default: break;
    }
}

}  // namespace milden

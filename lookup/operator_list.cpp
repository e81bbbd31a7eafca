#include "data_item_reader.h"
#include "lookup_tables.h"
#include "saturating.h"

namespace milden {
namespace {

// Positions 0 to 32,766 and at most 32,767 closed groups fit the 16-bit indexes.
constexpr std::int16_t kPositionLimit = kCounterMax;
constexpr std::int16_t kGroupLimit = kCounterMax;

std::u16string NameAt(const OperatorList& list, std::int16_t group, std::int16_t item) {
    if (group < 0 || item < 0) return {};
    const auto g = static_cast<std::size_t>(group);
    const auto i = static_cast<std::size_t>(item);
    if (g >= list.size() || i >= list[g].names.size()) return {};
    return list[g].names[i];
}

}  // namespace

void ReadOperatorList(OperatorList& list, DataItemReader& reader) {
    std::int16_t group = 0;
    std::int16_t position = 0;
    bool storedInGroup = false;
    while (!reader.AtEnd()) {
        const std::u16string_view raw = reader.NextItem();
        if (raw == u"}") break;
        if (raw.empty()) continue;
        const std::u16string_view value = CleanCellValue(raw);
        if (!value.empty() && group < kGroupLimit && position < kPositionLimit) {
            if (!storedInGroup) {
                list.resize(static_cast<std::size_t>(group) + 1);
                storedInGroup = true;
            }
            auto& names = list[static_cast<std::size_t>(group)].names;
            names.resize(static_cast<std::size_t>(position) + 1);
            names[static_cast<std::size_t>(position)].assign(value);
        }
        SaturatingIncrement(position);
        if (raw.find(u';') != std::u16string_view::npos) {
            position = 0;
            SaturatingIncrement(group);
            storedInGroup = false;
        }
    }
    // Only groups closed by ";" remain.
    list.resize(static_cast<std::size_t>(group));
}

std::u16string OperatorName090(const LookupTables& tables, std::int16_t group, std::int16_t item) {
    return NameAt(tables.OperatorList090, group, item);
}
std::u16string OperatorName080(const LookupTables& tables, std::int16_t group, std::int16_t item) {
    return NameAt(tables.OperatorList080, group, item);
}
std::u16string OperatorNamePhs(const LookupTables& tables, std::int16_t group, std::int16_t item) {
    return NameAt(tables.OperatorListPhs, group, item);
}

}  // namespace milden

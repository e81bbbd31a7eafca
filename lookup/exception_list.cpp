#include "data_item_reader.h"
#include "lookup_tables.h"
#include "text.h"

namespace milden {
namespace {

// Counted items 1 to 32,766 fit the 16-bit item counter; later items are not read.
constexpr int kCountedItemLimit = 32766;

const ExceptionList* ListOfRangeType(const LookupTables& tables, std::uint8_t rangeType) {
    switch (rangeType) {
    case 0: return &tables.ExceptionList090;
    case 1: return &tables.ExceptionList080;
    case 2: return &tables.ExceptionListPhs;
    default: return nullptr;
    }
}

}  // namespace

std::u16string_view CleanExceptionLine(std::u16string_view item) {
    if (item.starts_with(u'#')) return {};
    return TrimItemBlanks(BeforeFirst(item, u';'));
}

void ReadExceptionList(ExceptionList& list, DataItemReader& reader) {
    int counted = 0;
    ExceptionBucket* bucket = nullptr;
    std::size_t entry = 0;
    // A number that came before any bucket existed has nowhere to go; its code goes with it.
    bool droppedNumber = false;
    while (!reader.AtEnd()) {
        const std::u16string_view raw = reader.NextItem();
        if (raw == u"}") break;
        const std::u16string_view value = CleanExceptionLine(raw);
        if (value.empty() || counted >= kCountedItemLimit) continue;
        const bool isNumber = counted % 2 == 0;
        ++counted;
        if (value.size() >= 2 && isNumber && (bucket == nullptr || value.substr(0, 2) != bucket->prefix)) {
            bucket = &list.emplace_back(ExceptionBucket{std::u16string(value.substr(0, 2)), {}});
            entry = 0;
        }
        if (isNumber) {
            droppedNumber = bucket == nullptr;
            if (!droppedNumber) bucket->entries.push_back({std::u16string(value), {}});
        } else if (!droppedNumber) {
            bucket->entries[entry].code.assign(value);
            ++entry;
        }
    }
}

std::u16string FindException(const LookupTables& tables, std::uint8_t rangeType, std::u16string_view key) {
    const ExceptionList* list = ListOfRangeType(tables, rangeType);
    if (list == nullptr) return {};
    const std::u16string_view prefix = key.substr(0, 2);
    for (const ExceptionBucket& bucket : *list) {
        if (bucket.prefix != prefix) continue;
        for (const ExceptionEntry& e : bucket.entries) {
            if (e.number == key) return e.code;
        }
    }
    return {};
}

}  // namespace milden

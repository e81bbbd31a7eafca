#include "lookup/operator_list.h"

#include "lookup/cp932.h"
#include "lookup/data_item_reader.h"
#include "lookup/lookup_tables.h"
#include "lookup/saturating.h"
#include "lookup/section_readers.h"
#include "lookup/text.h"

namespace milden {
namespace {

// Positions 0 to 32,766 and at most 32,767 closed groups fit the 16-bit indexes.
constexpr std::int16_t kPositionLimit = kCounterMax;
constexpr std::int16_t kGroupLimit = kCounterMax;

}  // namespace

std::size_t OperatorList::NameCount(std::size_t group) const {
    return group < groups_.size() ? groups_[group].names.size() : 0;
}

std::u16string_view OperatorList::StoreName(std::size_t group, std::size_t position, std::string_view cp932) {
    auto& names = groups_[group].names;
    names.resize(position + 1);
    names[position] = text_.AddCp932(cp932);
    return text_.Get(names[position]);
}

void OperatorList::SettleGroup(std::size_t group) {
    if (group < groups_.size()) groups_[group].names.shrink_to_fit();
}

void OperatorList::Release() {
    for (OperatorGroup& group : groups_) std::vector<TextArena::Handle>().swap(group.names);
    std::vector<OperatorGroup>().swap(groups_);
    text_.Clear();
}

SectionEnd ReadOperatorListSection(OperatorList& list, DataItemReader& reader) {
    const SectionReport report(reader, list.range(), SectionKind::OperatorList);
    std::int16_t group = 0;
    std::int16_t position = 0;
    bool storedInGroup = false;
    KeptItem firstOfGroup;  // the group's first item, for the report of a group never closed
    SectionEnd end = SectionEnd::EndOfFile;
    while (!reader.AtEnd()) {
        const DataItem item = reader.NextItem();
        const std::string_view raw = item.text;
        if (raw == kSectionEnd) {
            if (report.on()) report(item, LoadEventKind::SectionClosed);
            end = SectionEnd::Closed;
            break;
        }
        if (raw.empty()) {
            // (The item a read-limit cut leaves empty is the last, and reported already.)
            if (report.on() && !reader.AtEnd()) report(item, LoadEventKind::Ignored, LoadEventReason::EmptyItem, {group, position});
            continue;
        }
        if (report.on() && position == 0) firstOfGroup = KeptItem(item);
        const std::string_view value = CellValueOf(item);
        if (!value.empty() && group < kGroupLimit && position < kPositionLimit) {
            if (!storedInGroup) {
                list.ResizeGroups(static_cast<std::size_t>(group) + 1);
                storedInGroup = true;
            }
            const std::u16string_view name =
                list.StoreName(static_cast<std::size_t>(group), static_cast<std::size_t>(position), value);
            if (report.on()) report(item, LoadEventKind::NameStored, LoadEventReason::None, {group, position}, name);
        } else {
            if (report.on()) report(item, LoadEventKind::Ignored, value.empty() ? NoValueReason(raw) : LoadEventReason::CounterLimit,
                   {group, position});
        }
        SaturatingIncrement(position);
        if (item.HasSemicolon()) {
            if (report.on() && group < kGroupLimit) report(item, LoadEventKind::GroupClosed, LoadEventReason::None, {group});
            if (storedInGroup) list.SettleGroup(static_cast<std::size_t>(group));
            position = 0;
            SaturatingIncrement(group);
            storedInGroup = false;
        }
    }
    // Only groups closed by ";" remain.
    if (report.on() && storedInGroup) report(firstOfGroup.item(), LoadEventKind::GroupDropped, LoadEventReason::None, {group});
    list.ResizeGroups(static_cast<std::size_t>(group));
    return end;
}

void ReadOperatorList(OperatorList& list, DataItemReader& reader) { ReadOperatorListSection(list, reader); }

std::u16string OperatorName(const LookupTables& tables, Range range, std::int16_t group, std::int16_t item) {
    if (group < 0 || item < 0) return {};
    return tables.Operators(range).Name(static_cast<std::size_t>(group), static_cast<std::size_t>(item));
}
std::u16string OperatorName090(const LookupTables& tables, std::int16_t group, std::int16_t item) {
    return OperatorName(tables, Range::k090, group, item);
}
std::u16string OperatorName080(const LookupTables& tables, std::int16_t group, std::int16_t item) {
    return OperatorName(tables, Range::k080, group, item);
}
std::u16string OperatorNamePhs(const LookupTables& tables, std::int16_t group, std::int16_t item) {
    return OperatorName(tables, Range::kPhs, group, item);
}

}  // namespace milden

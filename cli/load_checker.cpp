#include "cli/load_checker.h"

#include <algorithm>
#include <string>

#include "lookup/lookup_tables.h"

namespace milden::cli {
namespace {

std::size_t KeyIndex(const SectionKey& key) { return static_cast<std::size_t>(&key - kSectionKeys.data()); }

const SectionKey* KeyEqualTo(std::u16string_view item) {
    for (const SectionKey& key : kSectionKeys)
        if (std::equal(item.begin(), item.end(), key.key.begin(), key.key.end())) return &key;
    return nullptr;
}

// The key an item was meant to be: one in other letter case, with blanks in it, without its
// brace or with more braces, or run together with what should have followed it. The longest
// such key, or none.
const SectionKey* KeyMeant(std::u16string_view item) {
    std::string folded;
    for (const char16_t c : item) {
        if (c == u' ' || c == u'\t') continue;
        if (c >= 0x80) return nullptr;  // keys are ASCII
        folded += static_cast<char>(c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c);
    }
    const SectionKey* meant = nullptr;
    for (const SectionKey& key : kSectionKeys) {
        const std::string_view name = key.key.substr(0, key.key.size() - 1);  // without "{"
        if (!folded.starts_with(name)) continue;
        const std::string_view rest = std::string_view(folded).substr(name.size());
        if ((rest.empty() || rest.front() == '{' || rest.front() == '}') &&
            (meant == nullptr || meant->key.size() < key.key.size())) {
            meant = &key;
        }
    }
    return meant;
}

// An item that holds nothing a reader could store: a comment, or nothing before its ";".
bool HoldsNothing(std::u16string_view item) { return CleanCellValue(item).empty(); }

std::string SectionName(const LoadEvent& e) { return Quote(e.section->key); }

std::size_t CellSlot(const std::array<int, 3>& place) {
    return static_cast<std::size_t>((place[0] * kRowsPerBlock + place[1]) * kCellsPerRow + place[2]);
}

}  // namespace

LoadChecker::LoadChecker() {
    for (const Range range : kAllRanges)
        record_.cellAt[OrdinalOf(range)].resize(static_cast<std::size_t>(FormatOf(range).indexCount * kRowsPerBlock * kCellsPerRow));
}

void LoadChecker::OnLoadEvent(const LoadEvent& e) {
    if (e.kind == LoadEventKind::Note) {
        OnNote(e);
    } else if (e.kind == LoadEventKind::SectionOpened) {
        record_.keyMet[KeyIndex(*e.section)] = true;
        runOn_ = nullptr;
        inOrphanBody_ = false;
        outsideBlockReported_ = afterTenthRowReported_ = counterLimitReported_ = false;
        overlongRow_ = {-1, -1};
    } else if (e.section == nullptr) {
        OnTopLevelItem(e);
    } else {
        OnSectionEvent(e);
    }
}

void LoadChecker::OnTopLevelItem(const LoadEvent& e) {
    if (e.reason != LoadEventReason::NotASectionKey) return;  // a ReadLimit cut: its Note says it
    if (inOrphanBody_) {
        inOrphanBody_ = e.item != u"}";
        return;
    }
    if (e.item.starts_with(u'#')) {
        lastTopLevelCommentLine_ = e.at.line;
        return;
    }
    if (const SectionKey* meant = KeyMeant(e.item)) {
        Warn(e.at, Quote(e.item) + " opens no section: did you mean " + Quote(meant->key) + "?");
        record_.keyMet[KeyIndex(*meant)] = true;  // its absence is this fault
        inOrphanBody_ = true;
    } else if (e.item == u"}") {
        Warn(e.at, "\"}\" closes no section");
    } else if (e.at.line == lastTopLevelCommentLine_) {
        Warn(e.at, "a comma ends the comment before " + Quote(e.item) + ", which is read as an item and ignored");
    } else if (ParseIndexLine(e.item).recognised) {
        Warn(e.at, Quote(e.item) + " is outside any section: is a section key missing before it?");
        inOrphanBody_ = true;
    } else {
        Warn(e.at, Quote(e.item) + " is outside any section and is ignored");
    }
}

void LoadChecker::OnSectionEvent(const LoadEvent& e) {
    const auto range = OrdinalOf(e.section->range);
    if (runOn_ == nullptr) {
        if (const SectionKey* key = KeyEqualTo(e.item); key != nullptr && e.kind != LoadEventKind::SectionUnclosed) {
            Warn(e.at, Quote(e.item) + " opens no section: it is read as part of " + SectionName(e) +
                           ", which has no \"}\" before it");
            runOn_ = e.section;
        }
    }
    if (runOn_ != nullptr) {
        // Everything after is read as part of the section that ran on; only the keys are kept, so
        // that their sections do not count as missing too.
        if (const SectionKey* key = KeyEqualTo(e.item)) record_.keyMet[KeyIndex(*key)] = true;
        if (e.kind == LoadEventKind::CellStored) record_.cellAt[range][CellSlot(e.place)] = {};
        if (e.kind == LoadEventKind::NumberStored) record_.entryAt[range].push_back({});
        return;
    }
    switch (e.kind) {
    case LoadEventKind::SectionUnclosed:
        Warn(e.at, "section " + SectionName(e) + " has no closing \"}\"");
        return;
    case LoadEventKind::BlockOpened:
        outsideBlockReported_ = afterTenthRowReported_ = false;
        return;
    case LoadEventKind::CellStored:
        record_.cellAt[range][CellSlot(e.place)] = e.at;
        return;
    case LoadEventKind::NumberStored: record_.entryAt[range].push_back({e.at, {}}); return;
    case LoadEventKind::CodeStored:
        if (!record_.entryAt[range].empty()) record_.entryAt[range].back().code = e.at;
        return;
    case LoadEventKind::GroupDropped:
        Warn(e.at, "operator group " + std::to_string(e.place[0]) +
                       " has no \";\" before the end of the section: its names are dropped");
        return;
    case LoadEventKind::CodeMissing:
        Warn(e.at, "exception number " + Quote(e.item) + " has no code before the end of the section");
        return;
    case LoadEventKind::Ignored: break;
    default: return;
    }
    switch (e.reason) {
    case LoadEventReason::BeforeFirstBlock:
    case LoadEventReason::AfterBlockEnd:
        if (outsideBlockReported_ || HoldsNothing(e.item)) return;
        outsideBlockReported_ = true;
        Warn(e.at, Quote(e.item) +
                       (e.reason == LoadEventReason::BeforeFirstBlock ? " comes before the first index line"
                                                                      : " comes after \"]\" and before the next index line") +
                       ": it and any others there are ignored");
        return;
    case LoadEventReason::NegativeIndex:
        Warn(e.at, "index " + std::to_string(e.place[0]) + " is below 0: its block is skipped");
        return;
    case LoadEventReason::IndexPastLastIndex:
        Warn(e.at, "index " + std::to_string(e.place[0]) + " is past the last index " +
                       std::to_string(FormatOf(e.section->range).indexCount - 1) + " of " + SectionName(e) +
                       ": the section ends here and the rest of it is ignored");
        inOrphanBody_ = true;
        return;
    case LoadEventReason::PastTenthColumn:
        if (overlongRow_ == std::array<int, 2>{e.place[0], e.place[1]}) return;
        overlongRow_ = {e.place[0], e.place[1]};
        Warn(e.at, "row " + std::to_string(e.place[1]) + " of index " + std::to_string(e.place[0]) +
                       " has more than ten cells: " + Quote(e.item) + " and any after it are dropped");
        return;
    case LoadEventReason::AfterTenthRow:
        if (afterTenthRowReported_) return;
        afterTenthRowReported_ = true;
        Warn(e.at, Quote(e.item) + " comes after the tenth row of index " + std::to_string(e.place[0]) +
                       ": it and any others before \"]\" are dropped");
        return;
    case LoadEventReason::ShortFirstValue:
        Warn(e.at, Quote(e.item) + " is too short to be an exception number: it and its code are dropped");
        return;
    case LoadEventReason::CounterLimit:
        if (counterLimitReported_) return;
        counterLimitReported_ = true;
        Warn(e.at, SectionName(e) + " holds more than its counters can count: " + Quote(e.item) +
                       " and the rest of the section are dropped");
        return;
    default: return;  // comments and lone ";" take their place as meant; the rest follow from a fault above
    }
}

void LoadChecker::OnNote(const LoadEvent& e) {
    switch (e.reason) {
    case LoadEventReason::InvalidShiftJis:
        if (e.at.line == lastInvalidShiftJisLine_) return;
        lastInvalidShiftJisLine_ = e.at.line;
        Warn(e.at, "invalid Shift-JIS: " + Quote(e.item) + " is read with U+FFFD in its place");
        return;
    case LoadEventReason::TextAfterClosingQuote:
        Warn(e.at, "the text after the closing quote of " + Quote(e.item) + " is dropped");
        return;
    case LoadEventReason::QuotedItemSpansLineEnd:
        Warn(e.at, "the quoted item " + Quote(e.item) + " runs over a line end: is a closing quote missing?");
        return;
    case LoadEventReason::ReadLimit:
        Warn({}, "only the first " + std::to_string(kReadLimitBytes >> 20) + " MiB of the file are read");
        return;
    default: return;
    }
}

}  // namespace milden::cli

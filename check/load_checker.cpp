#include "check/load_checker.h"

#include <string>

#include "check/display_text.h"
#include "lookup/cp932.h"
#include "lookup/lookup_tables.h"
#include "lookup/text.h"

namespace milden::check {
namespace {

// The key an item was meant to be: one in other letter case, with blanks in it, without its
// brace or with more braces, or run together with what should have followed it. The longest
// such key, or none.
const SectionKey* KeyMeant(std::u16string_view item) {
    std::string folded;
    for (const char16_t c : item) {
        if (IsItemBlank(c)) continue;
        if (c >= 0x80) return nullptr;  // keys are ASCII
        folded += static_cast<char>(c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c);
    }
    const SectionKey* meant = nullptr;
    for (const SectionKey& key : kSectionKeys) {
        const std::string_view name = key.key.substr(0, key.key.size() - 1);  // without "{"
        if (!folded.starts_with(name)) continue;
        const std::string_view rest = std::string_view(folded).substr(name.size());
        if ((rest.empty() || rest.front() == key.key.back() || IsMark(rest.substr(0, 1), kSectionEnd)) &&
            (meant == nullptr || meant->key.size() < key.key.size())) {
            meant = &key;
        }
    }
    return meant;
}

bool IsComment(std::u16string_view item) { return !item.empty() && item.front() == char16_t(kCommentStart); }

// An item that holds nothing a reader could store: a comment, or nothing before its ";".
bool HoldsNothing(std::u16string_view item) { return CleanCellValue(item).empty(); }

// The text after the first ";" of a name's item, trimmed, which the name loses: empty when there
// is none, or when it is only a comment or further ";".
std::u16string_view AfterRowEnd(std::u16string_view item) {
    const std::size_t rowEnd = item.find(char16_t(kRowEnd));
    if (rowEnd == std::u16string_view::npos) return {};
    const std::u16string_view after = TrimSpaces(item.substr(rowEnd + 1));
    return after.empty() || after.front() == char16_t(kCommentStart) || after.front() == char16_t(kRowEnd) ? std::u16string_view{} : after;
}

std::string SectionName(const LoadEvent& e) { return Quote(e.section->key); }

// "operator 27" for position 7 of group 2, as a code names it; beyond a code's digits, in words.
std::string OperatorAt(int group, int position) {
    const auto g = static_cast<std::size_t>(group), p = static_cast<std::size_t>(position);
    if (g < kOperatorGroups && p < kNamesPerOperatorGroup) return "operator " + TwoDigits(g * kNamesPerOperatorGroup + p);
    return "position " + std::to_string(position) + " of operator group " + std::to_string(group);
}

std::string CellAt(const std::array<int, 3>& place) {
    return "the cell of row " + std::to_string(place[1]) + ", column " + std::to_string(place[2]) + " of index " +
           std::to_string(place[0]);
}

std::string Hex(char16_t c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {'U', '+', kDigits[c >> 12], kDigits[(c >> 8) & 0xF], kDigits[(c >> 4) & 0xF], kDigits[c & 0xF]};
}

}  // namespace

LoadChecker::LoadChecker(const SourceFile& source, const FileEncoding& encoding, Diagnostics& diagnostics)
    : source_(source), encoding_(encoding), diagnostics_(diagnostics), layout_(source, diagnostics),
      byteOrderMarkText_(DecodeCp932(kByteOrderMark)) {
    for (const Range range : kAllRanges) record_.cellAt[OrdinalOf(range)].resize(static_cast<std::size_t>(CellCount(range)));
}

void LoadChecker::OnLoadEvent(const LoadEvent& e) {
    if (e.kind == LoadEventKind::Note) {
        OnNote(e);
    } else if (e.kind == LoadEventKind::SectionOpened) {
        record_.keyMet[OrdinalOf(*e.section)] = true;
        runOn_ = nullptr;
        inOrphanBody_ = false;
        outsideBlockReported_ = counterLimitReported_ = false;
        FlushEmptyName();
        FlushNameCutShort();
        lineComment_.reset();
        layout_.OnEvent(e);
    } else if (e.section == nullptr) {
        OnTopLevelItem(e);
    } else {
        OnSectionEvent(e);
    }
}

void LoadChecker::Finish() {
    FlushEmptyName();
    FlushNameCutShort();
    layout_.Finish();
}

void LoadChecker::OnTopLevelItem(const LoadEvent& e) {
    if (e.reason != LoadEventReason::NotASectionKey) return;  // a ReadLimit cut: its Note says it
    std::u16string_view item = e.item;
    const bool afterMark = encoding_.byteOrderMark && e.at.offset == 0 && item.starts_with(byteOrderMarkText_);
    if (afterMark) item.remove_prefix(byteOrderMarkText_.size());
    if (inOrphanBody_) {
        inOrphanBody_ = !IsMark(item, kSectionEnd);
        return;
    }
    // What follows a comma in a top-level comment is ignored like the comment.
    if (IsComment(item) || (lineComment_ && lineComment_->line == e.at.line)) {
        lineComment_ = e.at;
        return;
    }
    if (const SectionKey* meant = KeyMeant(item)) {
        Add(Code::KeyTypo, e.at,
            Quote(e.item) + " opens no section: " +
                (afterMark && IsMark(item, meant->key) ? std::string("the byte order mark before it is read as part of it")
                                                       : "did you mean " + Quote(meant->key) + "?"));
        record_.keyMet[OrdinalOf(*meant)] = true;  // its absence is this fault
        inOrphanBody_ = true;
    } else if (IsMark(item, kSectionEnd)) {
        Add(Code::StrayItem, e.at, Quote(kSectionEnd) + " closes no section");
    } else if (ParseIndexLine(item).recognised) {
        Add(Code::OrphanBlock, e.at, Quote(item) + " is outside any section: is a section key missing before it?");
        inOrphanBody_ = true;
    } else {
        Add(Code::StrayItem, e.at, Quote(item) + " is outside any section and is ignored");
    }
}

void LoadChecker::OnSectionEvent(const LoadEvent& e) {
    const auto range = OrdinalOf(e.section->range);
    if (runOn_ == nullptr && e.kind != LoadEventKind::SectionUnclosed && FindSectionKey(e.item) != nullptr) {
        Add(Code::SectionRunOn, e.at,
            Quote(e.item) + " opens no section: it is read as part of " + SectionName(e) + ", which has no \"}\" before it");
        runOn_ = e.section;
        layout_.Abandon();
        FlushEmptyName();
        FlushNameCutShort();
    }
    if (runOn_ != nullptr) {
        // Everything after is read as part of the section that ran on; only the keys are kept, so
        // that their sections do not count as missing too.
        if (const SectionKey* key = FindSectionKey(e.item)) record_.keyMet[OrdinalOf(*key)] = true;
        if (e.kind == LoadEventKind::CellStored) record_.cellAt[range][static_cast<std::size_t>(CellSlot(e.place[0], e.place[1], e.place[2]))] = {};
        if (e.kind == LoadEventKind::NumberStored) record_.entryAt[range].push_back({});
        if (e.kind == LoadEventKind::CodeStored && !record_.entryAt[range].empty()) record_.entryAt[range].back().codeText = e.value;
        return;
    }
    CheckCommentComma(e);
    if (e.section->kind == SectionKind::PrefixTable) layout_.OnEvent(e);
    if (e.section->kind == SectionKind::OperatorList) OnOperatorEvent(e);
    switch (e.kind) {
    case LoadEventKind::SectionUnclosed: Add(Code::UnclosedSection, e.at, "section " + SectionName(e) + " has no closing \"}\""); return;
    case LoadEventKind::BlockOpened: outsideBlockReported_ = false; return;
    case LoadEventKind::CellStored:
        record_.cellAt[range][static_cast<std::size_t>(CellSlot(e.place[0], e.place[1], e.place[2]))] = e.at;
        CheckValueCharacters(e, "cell code");
        return;
    case LoadEventKind::NameStored: CheckValueCharacters(e, "name"); return;
    case LoadEventKind::NumberStored: record_.entryAt[range].push_back({e.at, {}, std::u16string(e.value), {}}); return;
    case LoadEventKind::CodeStored:
        if (!record_.entryAt[range].empty()) {
            record_.entryAt[range].back().code = e.at;
            record_.entryAt[range].back().codeText = e.value;
        }
        return;
    case LoadEventKind::GroupDropped:
        Add(Code::DroppedGroup, e.at,
            "operator group " + std::to_string(e.place[0]) + " has no \";\" before the end of the section: its names are dropped");
        return;
    case LoadEventKind::CodeMissing:
        Add(Code::MissingCode, e.at, "exception number " + Quote(e.item) + " has no code before the end of the section");
        return;
    case LoadEventKind::Ignored: break;
    default: return;
    }
    switch (e.reason) {
    case LoadEventReason::BeforeFirstBlock:
    case LoadEventReason::AfterBlockEnd:
        if (outsideBlockReported_ || HoldsNothing(e.item)) return;
        outsideBlockReported_ = true;
        Add(Code::OutsideBlock, e.at,
            Quote(e.item) +
                (e.reason == LoadEventReason::BeforeFirstBlock ? " comes before the first index line"
                                                               : " comes after \"]\" and before the next index line") +
                ": it and any others there are ignored");
        return;
    case LoadEventReason::Comment:
        // "#02" in a row: a code commented out, or a "#" typed before it; its cell keeps no code.
        if (e.section->kind == SectionKind::PrefixTable && e.place[1] < kRowsPerBlock && e.place[2] < kCellsPerRow &&
            IsCodeForm(CleanCellValue(e.item.substr(1)))) {
            Add(Code::CommentedCode, e.at,
                "cell " + Quote(e.item) + " is a comment, not a code: " + CellAt(e.place) + " keeps no code");
        }
        return;
    case LoadEventReason::NegativeIndex:
        Add(Code::NegativeIndex, e.at, "index " + std::to_string(e.place[0]) + " is below 0: its block is skipped");
        return;
    case LoadEventReason::IndexPastLastIndex:
        Add(Code::IndexPastLast, e.at,
            "index " + std::to_string(e.place[0]) + " is past the last index " +
                std::to_string(FormatOf(e.section->range).indexCount - 1) + " of " + SectionName(e) +
                ": the section ends here and the rest of it is ignored");
        inOrphanBody_ = true;
        return;
    case LoadEventReason::ShortFirstValue:
        Add(Code::ShortNumber, e.at, Quote(e.item) + " is too short to be an exception number: it and its code are dropped");
        return;
    case LoadEventReason::CounterLimit:
        if (counterLimitReported_) return;
        counterLimitReported_ = true;
        Add(Code::CounterLimit, e.at,
            SectionName(e) + " holds more than its counters can count: " + Quote(e.item) + " and the rest of the section are dropped");
        return;
    default: return;  // comments and lone ";" take their place as meant; the rest follow from a fault above
    }
}

// A comment that begins its line ends at its first comma, and what follows on the line is read
// as items: in a section they take places meant for others. After a lone "#" (the placeholder
// of an empty place), a commented code ("#01", reported as such) and a comment after an item on
// its line, the comma is meant as a separator.
void LoadChecker::CheckCommentComma(const LoadEvent& e) {
    if (e.item.empty() || (lineComment_ && e.at.offset <= lineComment_->offset)) return;
    if (lineComment_ && e.at.line == lineComment_->line) {
        std::string readAs;
        switch (e.kind) {
        case LoadEventKind::NameStored: readAs = "a name, " + OperatorAt(e.place[0], e.place[1]); break;
        case LoadEventKind::CellStored: readAs = CellAt(e.place); break;
        case LoadEventKind::NumberStored: readAs = "an exception number"; break;
        case LoadEventKind::CodeStored: readAs = "an exception code"; break;
        default: break;
        }
        if (!readAs.empty()) {
            Add(Code::CommentComma, e.at,
                "a comma ends the comment " + Quote(lineCommentText_) + ": " + Quote(e.item) + " after it is read as " + readAs);
        }
    }
    lineComment_.reset();
    if (IsComment(e.item) && !TrimSpaces(e.item.substr(1)).empty() && !IsCodeForm(CleanCellValue(e.item.substr(1))) &&
        source_.FirstOnLine(e.at.offset) && !source_.EmptyItemMeantAsValue(e.at.offset)) {
        lineComment_ = e.at;
        lineCommentText_ = e.item;
    }
}

void LoadChecker::OnOperatorEvent(const LoadEvent& e) {
    switch (e.kind) {
    case LoadEventKind::Ignored:
        if (e.reason != LoadEventReason::EmptyItem || !source_.EmptyItemMeantAsValue(e.at.offset)) return;
        FlushEmptyName();
        emptyName_ = Diagnostic{Code::EmptyName, e.at,
                                "empty name in operator group " + std::to_string(e.place[0]) +
                                    ": it takes no position, so the names after it move one position forward"};
        emptyNameGroup_ = e.place[0];
        return;
    case LoadEventKind::NameStored: {
        // The name after an empty place or a name cut short shows where the names moved.
        const Note readAs{e.at, Quote(e.value) + " is read as " + OperatorAt(e.place[0], e.place[1])};
        if (emptyName_ && e.place[0] == emptyNameGroup_) {
            emptyName_->notes.push_back(readAs);
            FlushEmptyName();
        }
        if (nameCutShort_) {
            nameCutShort_->notes.push_back(readAs);
            FlushNameCutShort();
        }
        if (const std::u16string_view dropped = AfterRowEnd(e.item); !dropped.empty()) {
            nameCutShort_ = Diagnostic{Code::SemicolonInName, e.at,
                                       "the \";\" inside the name " + Quote(e.item) + " ends operator group " +
                                           std::to_string(e.place[0]) + " after " + Quote(e.value) + ": " + Quote(dropped) +
                                           " is dropped and the names after it go to the next group"};
            nameCutShortRange_ = e.section->range;
        }
        return;
    }
    case LoadEventKind::GroupClosed:
    case LoadEventKind::GroupDropped:
    case LoadEventKind::SectionClosed:
    case LoadEventKind::SectionUnclosed:
        FlushEmptyName();
        if (e.kind != LoadEventKind::GroupClosed) FlushNameCutShort();
        return;
    default: return;
    }
}

void LoadChecker::FlushNameCutShort() {
    if (!nameCutShort_) return;
    std::optional<Diagnostic>& first = record_.nameCutShort[OrdinalOf(nameCutShortRange_)];
    if (first) {
        diagnostics_.Add(std::move(*nameCutShort_));
    } else {
        first = std::move(nameCutShort_);
    }
    nameCutShort_.reset();
}

void LoadChecker::FlushEmptyName() {
    if (emptyName_) diagnostics_.Add(std::move(*emptyName_));
    emptyName_.reset();
}

// Characters that make a value other than it looks: a quote that did not start the item stays in
// it, a full-width comma or semicolon separates nothing, and tabs and control characters are
// invisible in the answer.
void LoadChecker::CheckValueCharacters(const LoadEvent& e, const std::string& what) {
    const std::string value = what + " " + Quote(e.value);
    for (const char16_t c : e.value) {
        if (c == char16_t(kQuote)) {
            Add(Code::StrayQuote, e.at, value + " holds a double quote, which stays part of it");
        } else if (c == u'，' || c == u'；') {
            Add(Code::FullWidthSeparator, e.at,
                value + " holds a full-width " + Quote(std::u16string_view(&c, 1)) + ", which separates nothing: it is one " + what);
        } else if (c == u'\t' || IsControlCharacter(c)) {
            Add(Code::ControlCharacter, e.at, value + " holds " + (c == u'\t' ? std::string("a tab") : "the control character " + Hex(c)));
        } else {
            continue;
        }
        return;
    }
}

void LoadChecker::OnNote(const LoadEvent& e) {
    switch (e.reason) {
    case LoadEventReason::InvalidShiftJis: {
        if (encoding_.utf8 || e.at.line == lastInvalidShiftJisLine_) return;
        std::u16string_view item = e.item;
        if (encoding_.byteOrderMark && e.at.offset == 0 && item.starts_with(byteOrderMarkText_)) {
            item.remove_prefix(byteOrderMarkText_.size());
            if (item.find(u'\uFFFD') == std::u16string_view::npos) return;  // only the mark: said once already
        }
        lastInvalidShiftJisLine_ = e.at.line;
        Add(Code::InvalidShiftJis, e.at, "invalid Shift-JIS: " + Quote(e.item) + " is read with U+FFFD in its place");
        return;
    }
    case LoadEventReason::TextAfterClosingQuote:
        Add(Code::TextAfterQuote, e.at, "the text after the closing quote of " + Quote(e.item) + " is dropped");
        return;
    case LoadEventReason::QuotedItemSpansLineEnd:
        Add(Code::QuoteSpansLines, e.at, "the quoted item " + Quote(e.item) + " runs over a line end: is a closing quote missing?");
        return;
    case LoadEventReason::ReadLimit:
        Add(Code::ReadLimit, {}, "only the first " + std::to_string(kReadLimitBytes >> 20) + " MiB of the file are read: the rest is ignored");
        return;
    default: return;
    }
}

}  // namespace milden::check

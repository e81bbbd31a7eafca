// The diagnostics the checker takes from the loader's account of each item, and the places of
// what was stored, for the checks on the loaded tables.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "check/block_layout.h"
#include "check/diagnostic.h"
#include "check/encoding.h"
#include "check/source_file.h"
#include "lookup/format.h"
#include "lookup/load_observer.h"

namespace milden::check {

// Where the loader stored what the tables hold.
struct LoadRecord {
    // A section key that opened a section, or whose missing section is reported as another fault:
    // a near miss of the key, or the key inside a section that lacks its "}".
    std::array<bool, kSectionKeys.size()> keyMet{};
    // Per range, where each cell's code was last stored, by CellSlot; line 0: never stored, or
    // stored by a section that ran on into others.
    std::array<std::vector<ItemPosition>, kAllRanges.size()> cellAt;
    // Per range, each exception entry in the order of the file: where its number and code stand,
    // and what they are (the list keeps only what a search can find).
    struct EntryAt {
        ItemPosition number;
        ItemPosition code;
        std::u16string numberText;
        std::u16string codeText;
    };
    std::array<std::vector<EntryAt>, kAllRanges.size()> entryAt;
    // Per range, the first name that a ";" inside it cut short: its group ended there, so later
    // codes of the range name other operators. Given once the codes that then name no operator
    // are its notes.
    std::array<std::optional<Diagnostic>, kAllRanges.size()> nameCutShort;
};

// One diagnostic per fault, at its cause: the items that a fault makes the readers drop as well
// (the rest of a section whose key is misspelt, a skipped block, the rest of an overlong row, ...)
// are not reported again, and what the fault does further on is told in its notes.
class LoadChecker : public LoadObserver {
public:
    LoadChecker(const SourceFile& source, const FileEncoding& encoding, Diagnostics& diagnostics);
    void OnLoadEvent(const LoadEvent& event) override;
    // Reports what only the end of the file settles.
    void Finish();

    const LoadRecord& record() const { return record_; }

private:
    void OnSectionEvent(const LoadEvent& event);
    void OnTopLevelItem(const LoadEvent& event);
    void OnNote(const LoadEvent& event);
    void OnOperatorEvent(const LoadEvent& event);
    void CheckCommentComma(const LoadEvent& event);
    void CheckValueCharacters(const LoadEvent& event, const std::string& what);
    void FlushEmptyName();
    void FlushNameCutShort();
    void Add(Code code, ItemPosition at, std::string message, std::vector<Note> notes = {}) {
        diagnostics_.Add({code, at, std::move(message), std::move(notes)});
    }

    const SourceFile& source_;
    FileEncoding encoding_;
    Diagnostics& diagnostics_;
    LoadRecord record_;
    BlockLayout layout_;
    std::u16string byteOrderMarkText_;  // how the byte order mark reads in code page 932
    // The section in which another section's key stood: what follows belongs to it, unreported.
    const SectionKey* runOn_ = nullptr;
    // Top-level items are the body of a section that opened nothing (its key misspelt or missing,
    // or ended early by an index past the last), up to the next "}".
    bool inOrphanBody_ = false;
    std::uint32_t lastInvalidShiftJisLine_ = 0;
    // A comment that begins its line inside a section, until the next item: one on the same line
    // follows a comma that was meant to be part of the comment.
    std::optional<ItemPosition> lineComment_;
    std::u16string lineCommentText_;
    // An empty place in an operator group, reported once the name after it is known.
    std::optional<Diagnostic> emptyName_;
    int emptyNameGroup_ = 0;
    // A name cut short by a ";" inside it, until the name after it is known.
    std::optional<Diagnostic> nameCutShort_;
    Range nameCutShortRange_ = Range::k090;
    // Once per section or block: items outside blocks, counters full.
    bool outsideBlockReported_ = false;
    bool counterLimitReported_ = false;
};

}  // namespace milden::check

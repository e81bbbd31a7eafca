// The warnings that milden-lookup --check takes from the loader's account of each item, and the
// places of what was stored, for the checks on the loaded tables.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "cli/diagnostic.h"
#include "lookup/format.h"
#include "lookup/load_observer.h"

namespace milden::cli {

// Where the loader stored what the tables hold.
struct LoadRecord {
    // A section key that opened a section, or whose missing section is reported as another fault:
    // a near miss of the key, or the key inside a section that lacks its "}".
    std::array<bool, kSectionKeys.size()> keyMet{};
    // Per range, where each cell's code was last stored, by index * 100 + row * 10 + column; line 0:
    // never stored, or stored by a section that ran on into others.
    std::array<std::vector<ItemPosition>, kAllRanges.size()> cellAt;
    // Per range, each exception entry in the list's order: where its number and code stand.
    struct EntryAt {
        ItemPosition number;
        ItemPosition code;
    };
    std::array<std::vector<EntryAt>, kAllRanges.size()> entryAt;
};

// One warning per fault: the items that a fault makes the readers drop as well (the rest of a
// section whose key is misspelt, a skipped block, the rest of an overlong row, ...) are not
// reported again.
class LoadChecker : public LoadObserver {
public:
    LoadChecker();
    void OnLoadEvent(const LoadEvent& event) override;

    Diagnostics& diagnostics() { return diagnostics_; }
    const LoadRecord& record() const { return record_; }

private:
    void OnSectionEvent(const LoadEvent& event);
    void OnTopLevelItem(const LoadEvent& event);
    void OnNote(const LoadEvent& event);
    void Warn(ItemPosition at, std::string text) { diagnostics_.Add(at, std::move(text)); }

    Diagnostics diagnostics_;
    LoadRecord record_;
    // The section in which another section's key stood: what follows belongs to it, unreported.
    const SectionKey* runOn_ = nullptr;
    // Top-level items are the body of a section that opened nothing (its key misspelt or missing,
    // or ended early by an index past the last), up to the next "}".
    bool inOrphanBody_ = false;
    std::uint32_t lastTopLevelCommentLine_ = 0;
    std::uint32_t lastInvalidShiftJisLine_ = 0;
    // Once per section or block: items outside blocks, rows past the tenth, counters full.
    bool outsideBlockReported_ = false;
    bool afterTenthRowReported_ = false;
    bool counterLimitReported_ = false;
    std::array<int, 2> overlongRow_{-1, -1};  // the (index, row) reported as longer than ten cells
};

}  // namespace milden::cli

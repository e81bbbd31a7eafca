// The shape of the prefix tables as their items arrive: blocks of ten rows of ten cells, each row
// ended by ";", each index once and in order.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "check/diagnostic.h"
#include "check/source_file.h"
#include "lookup/format.h"
#include "lookup/load_observer.h"

namespace milden::check {

class BlockLayout {
public:
    BlockLayout(const SourceFile& source, Diagnostics& diagnostics);

    // An event of a prefix-table section (SectionOpened included).
    void OnEvent(const LoadEvent& e);
    // The end of the file: reports the index lines of each range.
    void Finish();
    // Ends the open block without judging its shape: its section ran on into another one.
    void Abandon();

private:
    struct IndexLine {
        int index;
        ItemPosition at;
        std::size_t section;  // which prefix-table section of the file it stands in
        std::vector<Note> notes = {};  // on its block's shape, when it opens its index again
    };

    void OpenBlock(const LoadEvent& e);
    void CloseBlock();
    void OnColumn(const LoadEvent& e);
    void EndRow(const ItemPosition& at, int row);
    void OnEmptyItem(const LoadEvent& e);
    bool HoldsCodes(int firstSlot, int endSlot) const;
    std::size_t Pend(Diagnostic diagnostic);
    void CheckIndexLines(Range range) const;

    const SourceFile& source_;
    Diagnostics& diagnostics_;
    std::array<std::vector<IndexLine>, kAllRanges.size()> indexLines_;
    std::size_t sections_ = 0;
    std::array<std::vector<bool>, kAllRanges.size()> holdsCode_;  // per range, by CellSlot: a code was stored

    // The open block, and what is reported about it once it closes, so that its rows' and its own
    // consequences can be added as notes to the fault that caused them.
    bool open_ = false;
    Range range_ = Range::k090;
    int index_ = 0;
    ItemPosition indexAt_;
    int rowsEnded_ = 0;
    int cellsInRow_ = 0;
    ItemPosition tenthCellAt_;   // the last item of the row within its first ten cells
    bool rowRanOver_ = false;    // the row has had more than ten cells
    bool tooManyRows_ = false;
    std::optional<std::size_t> emptyCellInRow_;
    std::optional<std::size_t> missingSemicolon_;
    std::vector<Diagnostic> pending_;
};

}  // namespace milden::check

#include "check/block_layout.h"

#include <algorithm>
#include <string>

#include "lookup/lookup_tables.h"
#include "lookup/utf8.h"

namespace milden::check {
namespace {

// "third digit 9 keeps no code" or "second digits 7 to 9 keep the codes read before": what the
// digits from first on keep when a row or a block ends early.
std::string KeptFrom(int first, std::string_view which, bool codesReadBefore) {
    const bool one = first == kCellsPerRow - 1;
    return std::string(which) + (one ? " digit 9 keeps" : " digits " + std::to_string(first) + " to 9 keep") +
           (!codesReadBefore ? " no code" : one ? " the code read before" : " the codes read before");
}

std::string IndexName(int index) { return "index " + std::to_string(index); }
std::string RowName(int index, int row) { return "row " + std::to_string(row) + " of " + IndexName(index); }

bool HasRowEnd(std::u16string_view item) { return item.find(char16_t(kRowEnd)) != std::u16string_view::npos; }

// An item that is only a row end: nothing before its ";" and no comment.
bool IsLoneRowEnd(std::u16string_view item) {
    return HasRowEnd(item) && item.front() != char16_t(kCommentStart) && CleanCellValue(item).empty();
}

}  // namespace

BlockLayout::BlockLayout(const SourceFile& source, Diagnostics& diagnostics) : source_(source), diagnostics_(diagnostics) {
    for (const Range range : kAllRanges) holdsCode_[OrdinalOf(range)].resize(static_cast<std::size_t>(CellCount(range)));
}

std::size_t BlockLayout::Pend(Diagnostic diagnostic) {
    pending_.push_back(std::move(diagnostic));
    return pending_.size() - 1;
}

void BlockLayout::OnEvent(const LoadEvent& e) {
    switch (e.kind) {
    case LoadEventKind::SectionOpened:
        CloseBlock();
        ++sections_;
        return;
    case LoadEventKind::BlockOpened: OpenBlock(e); return;
    case LoadEventKind::BlockClosed:
    case LoadEventKind::SectionClosed:
    case LoadEventKind::SectionUnclosed: CloseBlock(); return;
    case LoadEventKind::CellStored:
        holdsCode_[OrdinalOf(e.section->range)][static_cast<std::size_t>(CellSlot(e.place[0], e.place[1], e.place[2]))] = true;
        OnColumn(e);
        return;
    case LoadEventKind::Ignored: break;
    default: return;
    }
    switch (e.reason) {
    case LoadEventReason::NegativeIndex:
    case LoadEventReason::IndexPastLastIndex: CloseBlock(); return;
    case LoadEventReason::Comment:
    case LoadEventReason::NoValue:
    case LoadEventReason::PastTenthColumn: OnColumn(e); return;
    case LoadEventReason::EmptyItem: OnEmptyItem(e); return;
    case LoadEventReason::AfterTenthRow:
        if (!open_ || tooManyRows_) return;
        tooManyRows_ = true;
        Pend({Code::BlockRows, e.at,
              IndexName(index_) + " has more than ten rows: " + Quote(e.item) + " and any others before \"]\" are dropped"});
        return;
    default: return;
    }
}

// Whether a cell of the open block's range from slot first up to, not including, slot end holds
// a code, stored by this block or by one read before it.
bool BlockLayout::HoldsCodes(int first, int end) const {
    const std::vector<bool>& holds = holdsCode_[OrdinalOf(range_)];
    return std::find(holds.begin() + first, holds.begin() + end, true) != holds.begin() + end;
}

void BlockLayout::OpenBlock(const LoadEvent& e) {
    CloseBlock();
    open_ = true;
    range_ = e.section->range;
    index_ = e.place[0];
    indexAt_ = e.at;
    rowsEnded_ = cellsInRow_ = 0;
    tenthCellAt_ = {};
    rowRanOver_ = tooManyRows_ = false;
    emptyCellInRow_.reset();
    missingSemicolon_.reset();
    indexLines_[OrdinalOf(range_)].push_back({index_, e.at, sections_});
}

void BlockLayout::OnColumn(const LoadEvent& e) {
    if (!open_) return;
    const int row = e.place[1];
    const int column = e.place[2];
    cellsInRow_ = column + 1;
    if (column < kCellsPerRow) {
        tenthCellAt_ = e.at;
    } else if (!rowRanOver_ && column == kCellsPerRow && IsLoneRowEnd(e.item)) {
        // "01,...,01,;" or a ";" on the next line: the row ends with nothing lost.
        Pend({Code::LoneSemicolon, e.at, RowName(index_, row) + " ends with a \";\" of its own after its tenth cell: it stores nothing"});
    } else if (!rowRanOver_) {
        rowRanOver_ = true;
        if (e.at.line != tenthCellAt_.line) {
            // The row's tenth cell ends its line, and the next line's cells join the row.
            missingSemicolon_ = Pend({Code::MissingSemicolon, tenthCellAt_,
                                      RowName(index_, row) + " has no \";\" after its tenth cell",
                                      {{e.at, "the cells of the next line are read as part of " + RowName(index_, row) +
                                                  " and dropped"}}});
        } else {
            Pend({Code::RowLength, e.at,
                  RowName(index_, row) + " has more than ten cells: " + Quote(e.item) + " and any after it are dropped"});
        }
    }
    if (HasRowEnd(e.item)) EndRow(e.at, row);
}

void BlockLayout::EndRow(const ItemPosition& at, int row) {
    if (row >= kRowsPerBlock) return;
    if (cellsInRow_ < kCellsPerRow) {
        const bool codesBefore = HoldsCodes(CellSlot(index_, row, cellsInRow_), CellSlot(index_, row + 1, 0));
        const std::string shortRow = RowName(index_, row) + " has " + std::to_string(cellsInRow_) + " cells, not ten: " +
                                     KeptFrom(cellsInRow_, "third", codesBefore);
        if (emptyCellInRow_) {
            pending_[*emptyCellInRow_].notes.push_back({at, shortRow});
        } else {
            Pend({Code::RowLength, at, shortRow});
        }
    }
    rowsEnded_ = row + 1;
    cellsInRow_ = 0;
    rowRanOver_ = false;
    emptyCellInRow_.reset();
}

void BlockLayout::OnEmptyItem(const LoadEvent& e) {
    if (!open_ || e.place[1] >= kRowsPerBlock || e.place[2] >= kCellsPerRow || !source_.EmptyItemMeantAsValue(e.at.offset))
        return;
    emptyCellInRow_ = Pend({Code::EmptyCell, e.at,
                            "empty cell in " + RowName(index_, e.place[1]) +
                                ": it takes no column, so the cells after it move one column to the left"});
}

void BlockLayout::CloseBlock() {
    if (!open_) return;
    open_ = false;
    if (cellsInRow_ > 0) EndRow(tenthCellAt_, rowsEnded_);  // a last row without ";"
    if (rowsEnded_ < kRowsPerBlock) {
        const bool codesBefore = HoldsCodes(CellSlot(index_, rowsEnded_, 0), CellSlot(index_ + 1, 0, 0));
        const std::string rows = IndexName(index_) + " has " + std::to_string(rowsEnded_) + " rows, not ten: " +
                                 KeptFrom(rowsEnded_, "second", codesBefore);
        std::vector<IndexLine>& lines = indexLines_[OrdinalOf(range_)];
        const bool openedBefore = std::any_of(lines.begin(), lines.end() - 1, [&](const IndexLine& l) { return l.index == index_; });
        if (missingSemicolon_) {
            pending_[*missingSemicolon_].notes.push_back({indexAt_, rows});
        } else if (openedBefore) {
            lines.back().notes.push_back({indexAt_, rows});  // part of the block's reopening, reported at the end
        } else {
            Pend({Code::BlockRows, indexAt_, rows});
        }
    }
    Abandon();
}

void BlockLayout::Abandon() {
    open_ = false;
    for (Diagnostic& d : pending_) diagnostics_.Add(std::move(d));
    pending_.clear();
}

void BlockLayout::Finish() {
    CloseBlock();
    for (const Range range : kAllRanges) CheckIndexLines(range);
}

// Each index once, and in a section in rising order without a gap: an index written twice or
// skipped leaves a thousand blocks with another block's codes or none.
void BlockLayout::CheckIndexLines(Range range) const {
    const std::vector<IndexLine>& lines = indexLines_[OrdinalOf(range)];
    const auto indexCount = static_cast<std::size_t>(FormatOf(range).indexCount);
    std::vector<const IndexLine*> first(indexCount);
    for (const IndexLine& line : lines)
        if (first[static_cast<std::size_t>(line.index)] == nullptr) first[static_cast<std::size_t>(line.index)] = &line;
    const int lastSeen = lines.empty() ? -1 : std::max_element(lines.begin(), lines.end(), [](auto& a, auto& b) { return a.index < b.index; })->index;
    const std::string unknown = Utf16ToUtf8(kUnknownOperatorText);
    const auto blocksOf = [&](int index) {
        const std::string digits(FormatOf(range).digits);
        const auto firstBlock = static_cast<std::size_t>(index) * kCellsPerBlock * kBlocksPerCell;
        return "the blocks " + digits + "-" + FourDigits(firstBlock) + " to " + digits + "-" +
               FourDigits(firstBlock + kCellsPerBlock * kBlocksPerCell - 1) + " answer " + unknown;
    };
    std::vector<bool> missingNamed(indexCount);  // an index named as missing in a note already
    const auto nameMissing = [&](int from, int to) {  // the first index in [from, to) never seen nor named
        for (int i = from; i < to; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (first[at] == nullptr && !missingNamed[at]) {
                missingNamed[at] = true;
                return i;
            }
        }
        return -1;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const IndexLine& line = lines[i];
        const IndexLine* before = i > 0 && lines[i - 1].section == line.section ? &lines[i - 1] : nullptr;
        const IndexLine* earliest = first[static_cast<std::size_t>(line.index)];
        if (earliest != &line) {
            Diagnostic d{Code::IndexRepeated, line.at,
                         IndexName(line.index) + " is opened again: its cells overwrite those read before",
                         {{earliest->at, IndexName(line.index) + " was first opened here"}}};
            d.notes.insert(d.notes.end(), line.notes.begin(), line.notes.end());
            // Most likely the index meant: the first missing one after it, else before it.
            int missing = nameMissing(line.index + 1, lastSeen);
            if (missing < 0) missing = nameMissing(0, line.index);
            if (missing >= 0)
                d.notes.push_back({{}, IndexName(missing) + " never appears: " + blocksOf(missing)});
            diagnostics_.Add(std::move(d));
        } else if (before != nullptr && line.index < before->index) {
            diagnostics_.Add({Code::IndexOrder, line.at, IndexName(line.index) + " comes after " + IndexName(before->index)});
        } else if (before != nullptr && line.index > before->index + 1) {
            if (const int missing = nameMissing(before->index + 1, line.index); missing >= 0) {
                diagnostics_.Add({Code::IndexSkipped, line.at,
                                  IndexName(missing) + " is missing: " + IndexName(line.index) + " follows " +
                                      IndexName(before->index),
                                  {{{}, blocksOf(missing)}}});
            }
        }
    }
}

}  // namespace milden::check

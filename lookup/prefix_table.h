// A range's prefix table: a cell code for each first, second and third digit.
#pragma once

#include <string>
#include <vector>

#include "format.h"

namespace milden {

// Cells subscripted (index, row, column): first, second and third digit. Every cell starts as
// the empty string, which means there is no data for it.
class PrefixTable {
public:
    explicit PrefixTable(Range range)
        : range_(range), cells_(static_cast<std::size_t>(FormatOf(range).indexCount * kRowsPerBlock * kCellsPerRow)) {}

    Range range() const { return range_; }
    int LastIndex() const { return FormatOf(range_).indexCount - 1; }

    bool InBounds(int index, int row, int column) const {
        return index >= 0 && index <= LastIndex() && row >= 0 && row < kRowsPerBlock && column >= 0 &&
               column < kCellsPerRow;
    }
    // The cell's code; the empty string for a cell never filled or outside the table.
    const std::u16string& Cell(int index, int row, int column) const {
        static const std::u16string empty;
        return InBounds(index, row, column) ? cells_[Offset(index, row, column)] : empty;
    }
    // The cell to write; only for cells InBounds.
    std::u16string& MutableCell(int index, int row, int column) { return cells_[Offset(index, row, column)]; }

private:
    static std::size_t Offset(int index, int row, int column) {
        return static_cast<std::size_t>((index * kRowsPerBlock + row) * kCellsPerRow + column);
    }

    Range range_;
    std::vector<std::u16string> cells_;
};

}  // namespace milden

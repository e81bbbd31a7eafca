// A range's prefix table: a cell code for each first, second and third digit.
#pragma once

#include <array>
#include <string_view>

#include "lookup/format.h"
#include "lookup/text_arena.h"

namespace milden {

// Cells subscripted (index, row, column): first, second and third digit. Every cell starts as
// the empty string, which means there is no data for it. The codes are kept in one text store:
// a cell costs a handle (4 bytes) and its code no heap block of its own.
class PrefixTable {
public:
    explicit PrefixTable(Range range) : range_(range) {}

    Range range() const { return range_; }
    int LastIndex() const { return FormatOf(range_).indexCount - 1; }

    bool InBounds(int index, int row, int column) const {
        return index >= 0 && index <= LastIndex() && row >= 0 && row < kRowsPerBlock && column >= 0 &&
               column < kCellsPerRow;
    }
    // The cell's code; the empty string for a cell never filled or outside the table. Valid as
    // long as the table.
    std::u16string_view Cell(int index, int row, int column) const {
        return InBounds(index, row, column) ? text_.Get(cells_[Offset(index, row, column)]) : std::u16string_view();
    }
    // Writes a cell InBounds from a non-empty value in code page 932. A cell that already holds
    // the value (a section read again) keeps it, so that nothing is stored twice.
    void StoreCell(int index, int row, int column, std::string_view cp932) {
        TextArena::Handle& cell = cells_[Offset(index, row, column)];
        if (!IsAsciiText(text_.Get(cell), cp932)) cell = text_.AddCp932(cp932);
    }

private:
    // True when bytes are ASCII and text is those characters.
    static bool IsAsciiText(std::u16string_view text, std::string_view bytes) {
        if (text.size() != bytes.size()) return false;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (static_cast<unsigned char>(bytes[i]) >= 0x80 || text[i] != static_cast<unsigned char>(bytes[i])) return false;
        return true;
    }

    // Room for the largest table: ten first digits.
    static constexpr int kMostCells = 10 * kCellsPerBlock;
    static std::size_t Offset(int index, int row, int column) {
        return static_cast<std::size_t>(CellSlot(index, row, column));
    }

    Range range_;
    std::array<TextArena::Handle, kMostCells> cells_{};
    TextArena text_;
};

}  // namespace milden

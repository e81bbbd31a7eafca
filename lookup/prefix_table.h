// A range's prefix table: a cell code for each first, second and third digit.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "format.h"
#include "text_arena.h"

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
    // Writes a cell InBounds from a non-empty value in code page 932.
    void StoreCell(int index, int row, int column, std::string_view cp932) {
        cells_[Offset(index, row, column)] = Code(cp932);
    }

private:
    // The handle of a code: a table holds few different codes, each of a few ASCII digits, so
    // a code of up to four bytes seen lately is not stored again.
    TextArena::Handle Code(std::string_view cp932) {
        if (cp932.size() > 4) return text_.AddCp932(cp932);
        std::uint64_t key = cp932.size();
        for (const char c : cp932) key = key << 8 | static_cast<unsigned char>(c);
        Recent& recent = recent_[(key ^ key >> 9) % recent_.size()];
        if (recent.key != key || recent.handle == 0) recent = {key, text_.AddCp932(cp932)};
        return recent.handle;
    }

    struct Recent {
        std::uint64_t key = 0;  // the code's length, then its bytes
        TextArena::Handle handle = 0;
    };
    // Room for the largest table: ten first digits.
    static constexpr int kMostCells = 10 * kRowsPerBlock * kCellsPerRow;
    static std::size_t Offset(int index, int row, int column) {
        return static_cast<std::size_t>((index * kRowsPerBlock + row) * kCellsPerRow + column);
    }

    Range range_;
    std::array<TextArena::Handle, kMostCells> cells_{};
    std::array<Recent, 64> recent_{};
    TextArena text_;
};

}  // namespace milden

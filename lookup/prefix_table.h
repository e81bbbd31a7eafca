// A range's prefix table: a cell code for each first, second and third digit.
#pragma once

#include <array>
#include <string_view>

#include "lookup/format.h"
#include "lookup/text_arena.h"

namespace milden {

// Cells subscripted (index, row, column): first, second and third digit. Every cell starts as
// the empty string, which means there is no data for it. A code of up to four ASCII characters
// (nearly every one) is kept in the cell itself; longer ones in one text store, so that a cell
// costs 12 bytes and its code no heap block of its own.
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
        if (!InBounds(index, row, column)) return {};
        const std::size_t at = Offset(index, row, column);
        const TextArena::Handle cell = cells_[at];
        return cell <= kShortestStored ? std::u16string_view(short_[at].data(), cell) : text_.Get(cell - kShortestStored);
    }
    // Writes a cell InBounds from the first length (1 to 4) of four ASCII bytes at ascii: the
    // four are copied, only length of them are read back.
    void StoreShortCell(int index, int row, int column, const char* ascii, std::size_t length) {
        const std::size_t at = Offset(index, row, column);
        for (std::size_t i = 0; i < kShortestStored; ++i) short_[at][i] = static_cast<unsigned char>(ascii[i]);
        cells_[at] = static_cast<TextArena::Handle>(length);
    }
    // Writes a cell InBounds from a non-empty value in code page 932. A cell that already holds
    // the value (a section read again) keeps it, so that nothing is stored twice.
    void StoreCell(int index, int row, int column, std::string_view cp932) {
        const std::size_t at = Offset(index, row, column);
        TextArena::Handle& cell = cells_[at];
        if (StoreShort(short_[at], cp932)) {
            cell = static_cast<TextArena::Handle>(cp932.size());
        } else if (cell <= kShortestStored || !IsAsciiText(text_.Get(cell - kShortestStored), cp932)) {
            const TextArena::Handle stored = text_.AddCp932(cp932);
            cell = stored == 0 ? 0 : stored + kShortestStored;
        }
    }

private:
    // Widens bytes into units when they are a short ASCII code; false otherwise.
    static bool StoreShort(std::array<char16_t, 4>& units, std::string_view bytes) {
        if (bytes.size() > units.size()) return false;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (static_cast<unsigned char>(bytes[i]) >= 0x80) return false;
            units[i] = static_cast<unsigned char>(bytes[i]);
        }
        return true;
    }
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

    // A cell's value: 0 for none; 1 to kShortestStored, the length of the code in short_; above,
    // the code's handle in text_ + kShortestStored.
    static constexpr TextArena::Handle kShortestStored = 4;
    Range range_;
    std::array<TextArena::Handle, kMostCells> cells_{};
    std::array<std::array<char16_t, kShortestStored>, kMostCells> short_;  // read only where cells_ says
    TextArena text_;
};

}  // namespace milden

// The data file's bytes cut into lines as the item reader counts them (CR LF, LF or a lone CR),
// for the columns and the source lines of diagnostics.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "lookup/format.h"
#include "lookup/load_observer.h"

namespace milden::check {

// How a column is counted: display columns as compilers count them by default (tab stops every
// 8, East Asian wide characters 2), the file's bytes, or decoded characters.
enum class ColumnUnit : std::uint8_t { Display, Byte, Char };

class SourceFile {
public:
    // bytes must outlive the SourceFile.
    explicit SourceFile(std::string_view bytes);

    std::string_view bytes() const { return bytes_; }
    std::size_t LineCount() const { return lineStarts_.size(); }
    // Line line (1-based) without its line end; empty past the last line.
    std::string_view Line(std::uint32_t line) const;
    // The line (1-based) that holds byte offset.
    std::uint32_t LineAt(std::size_t offset) const;
    // The place of byte offset, as the loader gives it (its column in decoded characters).
    ItemPosition PositionAt(std::size_t offset) const;
    // The 1-based column of a place on its line, in unit.
    std::uint32_t Column(const ItemPosition& at, ColumnUnit unit) const;
    // Where the item that starts at offset ends on its line: after its closing quote, or at the
    // next comma or line end.
    std::size_t ItemEnd(std::size_t offset) const;
    // Only blanks come before offset on its line.
    bool FirstOnLine(std::size_t offset) const;
    // The empty item at offset stands where a value was meant: ended by a comma, or written as
    // "". An empty item ended by a line end (a comma at the end of a line, a blank line) is not.
    bool EmptyItemMeantAsValue(std::size_t offset) const {
        return offset < bytes_.size() && (bytes_[offset] == kItemSeparator || bytes_[offset] == kQuote);
    }

private:
    std::size_t StartOf(std::uint32_t line) const { return lineStarts_[line - 1]; }

    std::string_view bytes_;
    std::vector<std::size_t> lineStarts_;
};

}  // namespace milden::check

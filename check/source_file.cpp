#include "check/source_file.h"

#include <algorithm>

#include "check/display_width.h"
#include "lookup/cp932.h"
#include "lookup/format.h"
#include "lookup/text.h"

namespace milden::check {

SourceFile::SourceFile(std::string_view bytes) : bytes_(bytes) {
    lineStarts_.push_back(0);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!IsLineEnd(bytes[i])) continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lineStarts_.push_back(i + 1);
    }
}

std::string_view SourceFile::Line(std::uint32_t line) const {
    if (line == 0 || line > LineCount()) return {};
    const std::size_t start = StartOf(line);
    std::size_t end = start;
    while (end < bytes_.size() && !IsLineEnd(bytes_[end])) ++end;
    return bytes_.substr(start, end - start);
}

std::uint32_t SourceFile::LineAt(std::size_t offset) const {
    return static_cast<std::uint32_t>(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset) - lineStarts_.begin());
}

ItemPosition SourceFile::PositionAt(std::size_t offset) const {
    const std::uint32_t line = LineAt(offset);
    const std::size_t start = StartOf(line);
    return {line, static_cast<std::uint32_t>(DecodeCp932(bytes_.substr(start, offset - start)).size() + 1), offset};
}

std::uint32_t SourceFile::Column(const ItemPosition& at, ColumnUnit unit) const {
    const std::string_view line = Line(at.line);
    const std::size_t start = at.line == 0 || at.line > LineCount() ? 0 : StartOf(at.line);
    const std::string_view before = line.substr(0, std::min(at.offset - std::min(at.offset, start), line.size()));
    switch (unit) {
    case ColumnUnit::Byte: return static_cast<std::uint32_t>(before.size() + 1);
    case ColumnUnit::Char: return static_cast<std::uint32_t>(DecodeCp932(before).size() + 1);
    case ColumnUnit::Display: break;
    }
    return AdvanceColumns(0, DecodeCp932(before)) + 1;
}

std::size_t SourceFile::ItemEnd(std::size_t offset) const {
    std::size_t end = offset;
    if (end < bytes_.size() && bytes_[end] == kQuote) {
        ++end;
        while (end < bytes_.size() && bytes_[end] != kQuote && !IsLineEnd(bytes_[end])) ++end;
        return std::min(end + 1, bytes_.size());
    }
    while (end < bytes_.size() && bytes_[end] != kItemSeparator && !IsLineEnd(bytes_[end])) ++end;
    return end;
}

bool SourceFile::FirstOnLine(std::size_t offset) const {
    const std::size_t start = StartOf(LineAt(offset));
    return TrimItemBlanks(bytes_.substr(start, offset - start)).empty();
}

}  // namespace milden::check

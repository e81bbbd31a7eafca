#include "lookup/data_item_reader.h"

#include <array>
#include <cstring>

#include "lookup/cp932.h"
#include "lookup/data_file_handle.h"
#include "lookup/format.h"
#include "lookup/text.h"

namespace milden {
namespace {

// A file is read this much at a time: small enough to stay in the cache, large enough that
// the reads cost nothing.
constexpr std::size_t kReadBlockBytes = std::size_t{1} << 18;

constexpr bool IsDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }

}  // namespace

DataItemReader::DataItemReader(std::string_view bytes, LoadObserver* observer, BytesEnd end)
    : bytes_(bytes), observer_(observer), cut_(end == BytesEnd::CutShort) {}

DataItemReader::DataItemReader(DataFileHandle& file, LoadObserver* observer)
    : observer_(observer), file_(&file), allRead_(false) {}

bool DataItemReader::ReadMore() {
    if (allRead_) return false;
    if (observer_) PositionOf(pos_);  // counts the columns of the bytes about to go
    const std::size_t unread = bytes_.size() - pos_;
    if (unread + kReadBlockBytes > capacity_) {
        // Grows only for an item longer than a block; an item cannot outgrow the read limit.
        capacity_ = std::max(kReadBlockBytes, std::min(2 * (unread + kReadBlockBytes), kReadLimitBytes));
        auto larger = std::make_unique_for_overwrite<char[]>(capacity_);
        if (unread > 0) std::memcpy(larger.get(), bytes_.data() + pos_, unread);
        buffer_ = std::move(larger);
    } else if (unread > 0) {
        std::memmove(buffer_.get(), bytes_.data() + pos_, unread);
    }
    base_ += pos_;
    pos_ = 0;
    maskedBlock_ = std::numeric_limits<std::size_t>::max();
    const std::size_t wanted = std::min(capacity_ - unread, kReadLimitBytes - fileRead_);
    // A read error ends the file where it happened, like its end.
    const std::size_t read = file_->Read(buffer_.get() + unread, wanted);
    fileRead_ += read;
    bytes_ = std::string_view(buffer_.get(), unread + read);
    if (read == 0 || fileRead_ == kReadLimitBytes) {
        allRead_ = true;
        char probe = 0;
        cut_ = fileRead_ == kReadLimitBytes && file_->Read(&probe, 1) == 1;
    }
    return read > 0;
}

std::size_t DataItemReader::NextDelimiter(std::size_t pos, std::size_t* semicolon) {
    while (pos < bytes_.size()) {
        const std::size_t block = pos / kMaskBlockBytes;
        const BlockMasks& masks = MasksAt(block);
        const std::uint64_t ahead = masks.delimiters >> (pos % kMaskBlockBytes);
        if (semicolon != nullptr && *semicolon == kNotFound) {
            // The semicolons before the delimiter, if it is in this block.
            const std::uint64_t before = masks.semicolons >> (pos % kMaskBlockBytes) & ((ahead & -ahead) - 1);
            if (before != 0) *semicolon = pos + static_cast<std::size_t>(std::countr_zero(before));
        }
        if (ahead != 0) return pos + static_cast<std::size_t>(std::countr_zero(ahead));
        pos = (block + 1) * kMaskBlockBytes;
    }
    return bytes_.size();
}

void DataItemReader::CountLineEnds(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        if (!IsLineEnd(bytes_[i])) continue;
        if (bytes_[i] == '\r' && i + 1 < to && bytes_[i + 1] == '\n') ++i;
        ++line_;
        lineStart_ = base_ + i + 1;
    }
}

ItemPosition DataItemReader::PositionOf(std::size_t offset) {
    const std::size_t at = base_ + offset;
    if (countedTo_ < lineStart_ || countedTo_ > at) {
        countedTo_ = lineStart_;
        countedColumns_ = 0;
    }
    countedColumns_ += static_cast<std::uint32_t>(DecodeCp932(bytes_.substr(countedTo_ - base_, at - countedTo_)).size());
    countedTo_ = at;
    return {line_, countedColumns_ + 1, at};
}

DataItem DataItemReader::NextItemAcrossBlocks() {
    std::size_t semicolon = kNotFound;
    const std::size_t end = NextDelimiter(pos_, &semicolon);
    if (end + 1 >= bytes_.size() || IsItemBlank(bytes_[end - 1])) return NextItemGeneral();
    DataItem item;
    item.text = bytes_.substr(pos_, end - pos_);
    item.firstSemicolon = std::min(semicolon, end) - pos_;
    item.firstComma = item.text.size();
    pos_ = end + (bytes_[end] == '\r' && bytes_[end + 1] == '\n' ? 2 : 1);
    return item;
}

bool DataItemReader::FindExtent(Extent& extent) {
    const std::size_t size = bytes_.size();
    // An item is whole once its delimiter is read, and the byte after it for a CR (an LF
    // there belongs to the same line end); or once nothing more can be read.
    const auto whole = [&](std::size_t at) { return allRead_ || at + 1 < size; };
    std::size_t pos = pos_;
    while (pos < size && IsItemBlank(bytes_[pos])) ++pos;
    extent = {pos, pos, pos, pos < size && bytes_[pos] == '"'};
    if (pos >= size) return allRead_;
    if (extent.quoted) {
        const void* found = std::memchr(bytes_.data() + pos + 1, '"', size - pos - 1);
        if (found == nullptr) {
            extent.close = extent.delimiter = size;
            return allRead_;
        }
        extent.close = static_cast<std::size_t>(static_cast<const char*>(found) - bytes_.data());
        pos = extent.close + 1;
        while (pos < size && !IsDelimiter(bytes_[pos])) ++pos;
        extent.delimiter = pos;
    } else {
        extent.close = extent.delimiter = NextDelimiter(pos);
    }
    return whole(extent.delimiter);
}

DataItem DataItemReader::NextItemGeneral() {
    // Each read either brings more bytes or finds the end, after which every extent is whole.
    Extent extent{};
    while (!FindExtent(extent)) ReadMore();
    const std::size_t size = bytes_.size();
    const std::size_t start = extent.start;
    DataItem item;
    if (observer_) item.at = PositionOf(start);
    if (extent.quoted) {
        item.text = TrimItemBlanks(bytes_.substr(start + 1, extent.close - start - 1));
        item.firstSemicolon = FindFirst(item.text, ';');
        item.firstComma = FindFirst(item.text, ',');
    } else {
        std::size_t end = extent.close;
        while (end > start && IsItemBlank(bytes_[end - 1])) --end;
        item.text = bytes_.substr(start, end - start);
        // Scanned, not masked: the masks at hand are those of the block the item ends in.
        item.firstSemicolon = FindFirst(item.text, ';');
        item.firstComma = item.text.size();
    }
    // Ended by a delimiter, or by a closing quote; otherwise by the end of what was read.
    const bool complete = extent.delimiter < size || (extent.quoted && extent.close < size);
    if (observer_ && extent.quoted) {
        const std::uint32_t lineBefore = line_;
        CountLineEnds(start + 1, extent.close);
        if (line_ != lineBefore) Report(item, {.kind = LoadEventKind::Note, .reason = LoadEventReason::QuotedItemSpansLineEnd});
    }
    const bool textAfterQuote = extent.quoted && extent.close < size &&
                                !TrimItemBlanks(bytes_.substr(extent.close + 1, extent.delimiter - extent.close - 1)).empty();
    pos_ = extent.delimiter;
    if (pos_ < size) {
        const char delimiter = bytes_[pos_++];
        if (delimiter == '\r' && pos_ < size && bytes_[pos_] == '\n') ++pos_;
        if (observer_ && IsLineEnd(delimiter)) {
            ++line_;
            lineStart_ = base_ + pos_;
        }
    }
    if (cut_ && !complete) {
        item = {.text = {}, .at = item.at};  // what was read of it is no value: only its position is reported
        Report(item, {.kind = LoadEventKind::Ignored, .reason = LoadEventReason::ReadLimit});
        return item;
    }
    if (observer_) {
        if (textAfterQuote) Report(item, {.kind = LoadEventKind::Note, .reason = LoadEventReason::TextAfterClosingQuote});
        if (DecodeCp932(item.text).find(u'\uFFFD') != std::u16string::npos)
            Report(item, {.kind = LoadEventKind::Note, .reason = LoadEventReason::InvalidShiftJis});
    }
    return item;
}

void DataItemReader::Report(const DataItem& item, LoadEvent event) {
    if (!observer_) return;
    DecodeCp932(item.text, decoded_);
    event.at = item.at;
    event.item = decoded_;
    observer_->OnLoadEvent(event);
}

void DataItemReader::ReportCut() {
    if (observer_ && cut_) observer_->OnLoadEvent({.kind = LoadEventKind::Note, .reason = LoadEventReason::ReadLimit});
}

}  // namespace milden

#include "data_item_reader.h"

#include "text.h"

namespace milden {
namespace {

constexpr bool IsDelimiter(char16_t c) { return c == u',' || c == u'\r' || c == u'\n'; }

}  // namespace

void DataItemReader::SkipDelimiter() {
    if (pos_ >= text_.size()) return;
    const char16_t c = text_[pos_++];
    if (c == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
}

std::u16string_view DataItemReader::NextItem() {
    while (pos_ < text_.size() && IsItemBlank(text_[pos_])) ++pos_;
    std::u16string_view item;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        const std::size_t start = pos_ + 1;
        std::size_t close = text_.find(u'"', start);
        if (close == std::u16string_view::npos) close = text_.size();
        item = text_.substr(start, close - start);
        pos_ = close < text_.size() ? close + 1 : close;
        while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;
        item = text_.substr(start, pos_ - start);
    }
    SkipDelimiter();
    return TrimItemBlanks(item);
}

}  // namespace milden

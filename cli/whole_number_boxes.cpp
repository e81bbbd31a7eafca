#include "cli/whole_number_boxes.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "cli/large_pages.h"

namespace milden::cli {
namespace {

// Keeps the bytes of the box it is shown, printed in the batch's format.
class BoxRecorder : public MessageBoxService {
public:
    BoxRecorder(const OutputFormat& format, std::string& box) : format_(format), box_(box) {}
    void ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) override {
        format_.Box(box_, prompt, style, title);
    }

private:
    const OutputFormat& format_;
    std::string& box_;
};

constexpr std::align_val_t kLargePageAlignment{kLargePageBytes};

// A longer box (a data file may name an operator with megabytes) is printed again each time, so
// that the store stays within about 30 MB however long the names.
constexpr std::size_t kLongestKeptBox = 1024;

}  // namespace

void WholeNumberBoxes::LargePageDelete::operator()(char* data) const { ::operator delete[](data, kLargePageAlignment); }

WholeNumberBoxes::Span WholeNumberBoxes::Keep(std::string_view box) {
    if (stored_ + box.size() > capacity_) {
        const std::size_t capacity = std::max(2 * capacity_, (stored_ + box.size() + kLargePageBytes) / kLargePageBytes * kLargePageBytes);
        std::unique_ptr<char[], LargePageDelete> larger(static_cast<char*>(::operator new[](capacity, kLargePageAlignment)));
        AdviseLargePages(larger.get(), capacity);
        if (stored_ > 0) std::memcpy(larger.get(), store_.get(), stored_);
        store_ = std::move(larger);
        capacity_ = capacity;
    }
    std::memcpy(store_.get() + stored_, box.data(), box.size());
    const Span span{static_cast<std::uint32_t>(stored_), static_cast<std::uint32_t>(box.size())};
    stored_ += box.size();
    return span;
}

void WholeNumberBoxes::Show(const WholeNumber& number) {
    if (boxOfBlock_.empty()) boxOfBlock_.resize(kAllRanges.size() * kBlocksPerRange);
    Span& box = boxOfBlock_[OrdinalOf(number.range) * kBlocksPerRange + number.block];
    if (box.length == 0) {
        printed_.clear();
        BoxRecorder recorder(printer_.format(), printed_);
        session_.Search(number.text, FixedRangeOptions(number.range), recorder);
        if (printed_.size() > kLongestKeptBox) {
            printer_.ShowPrintedBox(printed_);
            return;
        }
        box = Keep(printed_);
    }
    printer_.ShowPrintedBox(std::string_view(store_.get() + box.start, box.length));
}

}  // namespace milden::cli

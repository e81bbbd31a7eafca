#include "cli/whole_number_boxes.h"

namespace milden::cli {
namespace {

// Keeps the bytes of the box it is shown, printed as the batch's printer prints them.
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

}  // namespace

void WholeNumberBoxes::Show(const WholeNumber& number) {
    if (boxOfBlock_.empty()) boxOfBlock_.resize(kAllRanges.size() * kBlocksPerRange);
    Span& box = boxOfBlock_[OrdinalOf(number.range) * kBlocksPerRange + number.block];
    // Four digits always show a box, so an empty one has not been looked up yet.
    if (box.length == 0) {
        box.start = static_cast<std::uint32_t>(boxes_.size());
        BoxRecorder recorder(printer_.format(), boxes_);
        session_.Search(number.text, FixedRangeOptions(number.range), recorder);
        box.length = static_cast<std::uint32_t>(boxes_.size() - box.start);
    }
    printer_.ShowPrintedBox(std::string_view(boxes_).substr(box.start, box.length));
}

}  // namespace milden::cli

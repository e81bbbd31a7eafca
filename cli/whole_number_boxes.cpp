#include "cli/whole_number_boxes.h"

#include "engine/block_answers.h"
#include "lookup/utf8.h"

namespace milden::cli {

void WholeNumberBoxes::Show(const WholeNumber& number) {
    const auto range = static_cast<std::size_t>(number.range);
    if (printedOfBlock_.empty()) printedOfBlock_.resize(kAllRanges.size() * kBlocksPerRange, kNone);
    std::uint32_t& printed = printedOfBlock_[range * kBlocksPerRange + BlockOf(number.text)];
    if (printed == kNone) {
        std::u16string nameText = session_.Answer(kAllRanges[range], number.text);
        if (const auto known = printedOfName_[range].find(nameText); known != printedOfName_[range].end()) {
            printed = known->second;
        } else {
            printed = PrintThroughLookup(number, range, std::move(nameText));
            return;
        }
    }
    const std::string digits(number.text.begin(), number.text.end());  // ASCII digits
    const Printed& box = printed_[printed - 1];
    printer_.ShowPrinted(box.beforeDigits, digits, box.afterDigits);
}

std::uint32_t WholeNumberBoxes::PrintThroughLookup(const WholeNumber& number, std::size_t range,
                                                   std::u16string nameText) {
    session_.Search(number.text, FixedRangeOptions(kAllRanges[range]), printer_);
    const std::string_view box = printer_.PrintedBox();
    // The header begins with the range's prefix and the digits, and comes before the name.
    std::u16string header(FormatOf(kAllRanges[range]).headerPrefix);
    header += number.text;
    const std::string headerStart = Utf16ToUtf8(header);
    const std::size_t at = box.find(headerStart);
    if (at == std::string_view::npos) return kNone;
    const std::size_t digitsAt = at + headerStart.size() - number.text.size();
    printed_.push_back({std::string(box.substr(0, digitsAt)), std::string(box.substr(digitsAt + number.text.size()))});
    const auto index = static_cast<std::uint32_t>(printed_.size());
    printedOfName_[range].emplace(std::move(nameText), index);
    return index;
}

}  // namespace milden::cli

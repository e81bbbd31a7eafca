#include "cli/whole_number_boxes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

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

// Boxes longer than this (a data file may name an operator with megabytes) are printed each time.
constexpr std::size_t kLongestKept = 0xFF;
constexpr std::size_t kMostReferences = 0xFF;
constexpr std::size_t kEndingBytes = 15;  // a short string: no heap block for the key

// How many bytes a and b share at their start, or at their end; eight bytes at a time.
std::size_t SharedStart(std::string_view a, std::string_view b) {
    const std::size_t most = std::min(a.size(), b.size());
    std::size_t i = 0;
    for (std::uint64_t x, y; i + 8 <= most; i += 8) {
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y) break;
    }
    while (i < most && a[i] == b[i]) ++i;
    return i;
}
std::size_t SharedEnd(std::string_view a, std::string_view b) {
    const std::size_t most = std::min(a.size(), b.size());
    std::size_t i = 0;
    for (std::uint64_t x, y; i + 8 <= most; i += 8) {
        std::memcpy(&x, a.data() + a.size() - i - 8, 8);
        std::memcpy(&y, b.data() + b.size() - i - 8, 8);
        if (x != y) break;
    }
    while (i < most && a[a.size() - 1 - i] == b[b.size() - 1 - i]) ++i;
    return i;
}

}  // namespace

void WholeNumberBoxes::Keep(Kept& kept, Range range, std::string_view box) {
    if (box.size() > kLongestKept) return;
    // Boxes of a range that end alike (the same answer) differ least: the reference of the last
    // such box is tried first, then every reference.
    auto& referenceOfEnding = referenceOfEnding_[OrdinalOf(range)];
    const std::string ending(box.substr(box.size() - std::min(box.size(), kEndingBytes)));
    const auto known = referenceOfEnding.find(ending);
    const auto tryReference = [&](std::size_t r) {
        const std::string_view reference = references_[r];
        const std::size_t start = SharedStart(box, reference);
        const std::size_t end = SharedEnd(box.substr(start), reference.substr(start));
        const std::size_t between = box.size() - start - end;
        if (between > kMostBetween) return false;
        kept = {true, static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(start), static_cast<std::uint8_t>(end),
                static_cast<std::uint8_t>(between), {}};
        std::memcpy(kept.bytes.data(), box.data() + start, between);
        return true;
    };
    if (known != referenceOfEnding.end() && tryReference(known->second)) return;
    for (std::size_t r = 0; r < references_.size(); ++r) {
        if (tryReference(r)) {
            referenceOfEnding[ending] = static_cast<std::uint8_t>(r);
            return;
        }
    }
    if (references_.size() >= kMostReferences) return;
    referenceOfEnding[ending] = static_cast<std::uint8_t>(references_.size());
    kept = {true, static_cast<std::uint8_t>(references_.size()), static_cast<std::uint8_t>(box.size()), 0, 0, {}};
    references_.emplace_back(box);
}

void WholeNumberBoxes::Show(const WholeNumber& number) {
    if (kept_ == nullptr) {
        kept_.reset(static_cast<Kept*>(std::calloc(kAllRanges.size() * kBlocksPerRange, sizeof(Kept))));
        if (kept_ == nullptr) throw std::bad_alloc();
    }
    Kept& kept = kept_[OrdinalOf(number.range) * kBlocksPerRange + number.block];
    if (kept.kept) {
        const std::string_view reference = references_[kept.reference];
        printer_.ShowPrintedBox(reference.substr(0, kept.start), std::string_view(kept.bytes.data(), kept.between),
                                reference.substr(reference.size() - kept.end));
        return;
    }
    printed_.clear();
    BoxRecorder recorder(printer_.format(), printed_);
    session_.Search(number.text, FixedRangeOptions(number.range), recorder);
    printer_.ShowPrintedBox(printed_);
    Keep(kept, number.range, printed_);
}

}  // namespace milden::cli

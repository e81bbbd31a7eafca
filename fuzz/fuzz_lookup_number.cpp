// Fuzz target: LookupNumber on arbitrary text and range choice over a loaded data file.
// Input: one byte choosing the selected option (none, 090, 080, 070), then the text as UTF-16LE.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "lookup_number.h"
#include "lookup_tables.h"
#include "sample_data.h"

namespace {

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

class CountingBoxes : public milden::MessageBoxService {
public:
    void ShowMessage(std::u16string_view prompt, milden::BoxStyle style,
                     std::optional<std::u16string_view> title) override {
        ++count;
        const int s = static_cast<int>(style);
        Require(s == 0 || s == 48 || s == 64, "style other than 0, 48, 64");
        Require(!prompt.empty(), "empty prompt");
        // Answers carry their own title; the two warnings carry none.
        Require((style == milden::BoxStyle::Information) == title.has_value(), "title does not match style");
    }
    int count = 0;
};

// The selected option (-1 for none), checking that the lookup asks only about the three.
class OneOption : public milden::RangeOptions {
public:
    explicit OneOption(int selected) : selected_(selected) {}
    bool IsSelected(int index) const override {
        Require(index >= 0 && index < static_cast<int>(milden::kAllRanges.size()), "option index out of range");
        return index == selected_;
    }

private:
    int selected_;
};

const milden::LookupTables& Tables() {
    static const milden::LookupTables tables = [] {
        milden::LookupTables t;
        milden::LoadDataBytes(t, milden::fuzz::SampleDataFile());
        return t;
    }();
    return tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int selected = static_cast<int>(data[0] % 4) - 1;  // -1: nothing selected
    std::u16string text;
    for (std::size_t i = 1; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    CountingBoxes boxes;
    milden::LookupNumber(text, Tables(), OneOption(selected), boxes);
    Require(boxes.count <= 1, "more than one box");
    Require((boxes.count == 0) == text.empty(), "a non-empty text must give exactly one box");
    return 0;
}

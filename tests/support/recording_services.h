// The toolkit services the tests, the fuzzers and the benchmarks hand to the lookup: message
// boxes recorded or counted instead of shown, and option buttons with one range selected.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/toolkit_services.h"

namespace milden::test_support {

struct ShownBox {
    std::u16string prompt;  // carriage returns kept as they were passed
    BoxStyle style = BoxStyle::NoIcon;
    std::optional<std::u16string> title;
};

class RecordingBoxes : public MessageBoxService {
public:
    void ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) override {
        shown.push_back({std::u16string(prompt), style, title ? std::optional<std::u16string>(*title) : std::nullopt});
    }
    std::vector<ShownBox> shown;
};

// Counts the boxes and their characters without keeping them, for timing the lookup itself.
class CountingBoxes : public MessageBoxService {
public:
    void ShowMessage(std::u16string_view prompt, BoxStyle, std::optional<std::u16string_view>) override {
        ++boxes;
        characters += prompt.size();
    }
    std::size_t boxes = 0;
    std::size_t characters = 0;
};

// The option button at index selected is selected (none for -1); records the indexes read, in order.
class RecordingOptions : public RangeOptions {
public:
    explicit RecordingOptions(int selected) : selected_(selected) {}
    bool IsSelected(int index) const override {
        reads.push_back(index);
        return index == selected_;
    }
    mutable std::vector<int> reads;

private:
    int selected_;
};

}  // namespace milden::test_support

// Fuzz target: LookupNumber on arbitrary text and range choice over a loaded data file.
// Input: one byte choosing the selected option (none, 090, 080, 070), then the text as UTF-16LE.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/lookup_number.h"
#include "lookup/lookup_tables.h"
#include "tests/support/recording_services.h"
#include "fuzz/lookup_fuzz_data.h"

namespace {

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

const milden::LookupTables& Tables() {
    static const milden::LookupTables tables = [] {
        milden::LookupTables t;
        milden::LoadDataBytes(t, milden::fuzz::LookupFuzzDataFile());
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
    milden::test_support::RecordingBoxes boxes;
    const milden::test_support::RecordingOptions options(selected);
    milden::LookupNumber(text, Tables(), options, boxes);
    for (const int read : options.reads) Require(read >= 0 && read <= 2, "option index out of range");
    Require(boxes.shown.size() <= 1, "more than one box");
    Require(boxes.shown.empty() == text.empty(), "a non-empty text must give exactly one box");
    for (const milden::test_support::ShownBox& box : boxes.shown) {
        const int style = static_cast<int>(box.style);
        Require(style == 0 || style == 48 || style == 64, "style other than 0, 48, 64");
        Require(!box.prompt.empty(), "empty prompt");
        // Answers carry their own title; the two warnings carry none.
        Require((box.style == milden::BoxStyle::Information) == box.title.has_value(), "title does not match style");
    }
    return 0;
}

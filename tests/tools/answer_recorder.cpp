#include "tests/tools/answer_recorder.h"

#include <gtest/gtest.h>

#include "engine/lookup_number.h"

namespace milden::test_support {

ShownBox AskLookup(const LookupTables& tables, int range, std::u16string digits) {
    RecordingBoxes boxes;
    LookupNumber(std::move(digits), tables, RecordingOptions(range), boxes);
    EXPECT_EQ(boxes.shown.size(), 1u);
    return boxes.shown.empty() ? ShownBox{} : boxes.shown.front();
}

std::u16string NameText(const ShownBox& box) {
    const std::u16string_view end = kAnswerEnd;
    const std::size_t lineBreak = box.prompt.find(u'\r');
    if (lineBreak == std::u16string::npos || !box.prompt.ends_with(end)) return box.prompt;
    return box.prompt.substr(lineBreak + 1, box.prompt.size() - lineBreak - 1 - end.size());
}

}  // namespace milden::test_support

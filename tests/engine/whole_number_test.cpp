#include <gtest/gtest.h>

#include <string>

#include "engine/whole_number.h"
#include "lookup/utf8.h"
#include "tests/support/whole_number_forms.h"

namespace milden {
namespace {

using test_support::WholeNumberForm;

// "090-1234" for a number read, the reason for an input refused.
std::string Outcome(const WholeNumberReading& reading) {
    if (const auto* reason = std::get_if<std::string>(&reading)) return *reason;
    const WholeNumber& number = std::get<WholeNumber>(reading);
    EXPECT_EQ(number.text, FourDigits<std::u16string>(number.block));
    return std::string(FormatOf(number.range).digits) + "-" + Utf16ToUtf8(number.text);
}

class WholeNumberFormTest : public ::testing::TestWithParam<WholeNumberForm> {};

TEST_P(WholeNumberFormTest, ReadsAsUtf8AndAsUtf16) {
    const WholeNumberForm& form = GetParam();
    EXPECT_EQ(Outcome(ReadWholeNumber(form.input)), form.read);
    EXPECT_EQ(Outcome(ReadWholeNumber(std::u16string_view(Utf8ToUtf16(form.input)))), form.read);
}

INSTANTIATE_TEST_SUITE_P(Forms, WholeNumberFormTest, ::testing::ValuesIn(test_support::kWholeNumberForms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace milden

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "data_item_reader.h"

namespace milden {
namespace {

std::vector<std::u16string> AllItems(std::u16string_view text) {
    DataItemReader reader(text);
    std::vector<std::u16string> items;
    while (!reader.AtEnd()) items.emplace_back(reader.NextItem());
    return items;
}

struct ItemCase {
    const char* name;
    friend void PrintTo(const ItemCase& c, std::ostream* os) { *os << c.name; }
    std::u16string_view text;
    std::vector<std::u16string> items;
};

class DataItemReaderTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(DataItemReaderTest, CutsTextIntoItems) {
    EXPECT_EQ(AllItems(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Items, DataItemReaderTest,
    ::testing::Values(
        ItemCase{"CommaAndCrLfEndItems", u"a,b\r\nc", {u"a", u"b", u"c"}},
        ItemCase{"LoneLfAndLoneCrEndItems", u"a\nb\rc", {u"a", u"b", u"c"}},
        ItemCase{"SpacesAndTabsAreTrimmed", u"  a b \t,\t c ", {u"a b", u"c"}},
        ItemCase{"EmptyPlacesYieldEmptyItems", u"a,,b\r\n\r\n", {u"a", u"", u"b", u""}},
        ItemCase{"QuotesKeepCommasAndSemicolons", u"\"x,y;z\",w", {u"x,y;z", u"w"}},
        ItemCase{"QuotedItemMaySpanLines", u"\"a\r\nb\",c", {u"a\r\nb", u"c"}},
        ItemCase{"TextAfterClosingQuoteIsDropped", u"\"a\"tail,b", {u"a", u"b"}},
        ItemCase{"UnclosedQuoteRunsToTheEnd", u"\"abc,def", {u"abc,def"}},
        ItemCase{"QuoteInsideUnquotedItemIsOrdinary", u"a\"b,c", {u"a\"b", u"c"}},
        ItemCase{"LastLineWithoutLineEnd", u"x\r\ny", {u"x", u"y"}},
        ItemCase{"SpecialCharactersAreOrdinary", u"#c;d,{=}[", {u"#c;d", u"{=}["}},
        ItemCase{"FullWidthSpaceIsNotTrimmed", u"\u3000a\u3000", {u"\u3000a\u3000"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataItemReader, EmptyTextIsAtEndAtOnce) {
    DataItemReader reader(u"");
    EXPECT_TRUE(reader.AtEnd());
}

}  // namespace
}  // namespace milden

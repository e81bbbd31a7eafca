#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "lookup/cp932.h"
#include "lookup/data_item_reader.h"

namespace milden {
namespace {

// The items of UTF-8 text written in code page 932, decoded.
std::vector<std::u16string> AllItems(std::string_view utf8) {
    const std::string bytes = EncodeCp932(utf8);
    DataItemReader reader(bytes);
    std::vector<std::u16string> items;
    while (!reader.AtEnd()) items.push_back(DecodeCp932(reader.NextItem().text));
    return items;
}

struct ItemCase {
    const char* name;
    friend void PrintTo(const ItemCase& c, std::ostream* os) { *os << c.name; }
    std::string_view text;
    std::vector<std::u16string> items;
};

class DataItemReaderTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(DataItemReaderTest, CutsTextIntoItems) {
    EXPECT_EQ(AllItems(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Items, DataItemReaderTest,
    ::testing::Values(
        ItemCase{"CommaAndCrLfEndItems", "a,b\r\nc", {u"a", u"b", u"c"}},
        ItemCase{"LoneLfAndLoneCrEndItems", "a\nb\rc", {u"a", u"b", u"c"}},
        ItemCase{"SpacesAndTabsAreTrimmed", "  a b \t,\t c ", {u"a b", u"c"}},
        ItemCase{"EmptyPlacesYieldEmptyItems", "a,,b\r\n\r\n", {u"a", u"", u"b", u""}},
        ItemCase{"QuotesKeepCommasAndSemicolons", "\"x,y;z\",w", {u"x,y;z", u"w"}},
        ItemCase{"QuotedItemMaySpanLines", "\"a\r\nb\",c", {u"a\r\nb", u"c"}},
        ItemCase{"TextAfterClosingQuoteIsDropped", "\"a\"tail,b", {u"a", u"b"}},
        ItemCase{"UnclosedQuoteRunsToTheEnd", "\"abc,def", {u"abc,def"}},
        ItemCase{"QuoteInsideUnquotedItemIsOrdinary", "a\"b,c", {u"a\"b", u"c"}},
        ItemCase{"LastLineWithoutLineEnd", "x\r\ny", {u"x", u"y"}},
        ItemCase{"SpecialCharactersAreOrdinary", "#c;d,{=}[", {u"#c;d", u"{=}["}},
        ItemCase{"FullWidthSpaceIsNotTrimmed", "\u3000a\u3000", {u"\u3000a\u3000"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataItemReader, EmptyTextIsAtEndAtOnce) {
    DataItemReader reader("");
    EXPECT_TRUE(reader.AtEnd());
}

}  // namespace
}  // namespace milden

#include <gtest/gtest.h>

#include <clocale>
#include <ostream>
#include <string>

#include "lookup/lookup_tables.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

using test_support::LoadFromFile;

// A 090 prefix-table section with the given body lines.
LookupTables Load090(const std::string& body) { return LoadFromFile("keitai_tolva_num{\r\n" + body + "}\r\n"); }

std::string FullBlock(int index, const std::string& prefix) {
    std::string s = "index=" + std::to_string(index) + "[label]\r\n";
    for (int row = 0; row < 10; ++row) {
        for (int col = 0; col < 10; ++col) s += prefix + std::to_string(row) + std::to_string(col) + (col < 9 ? "," : ";\r\n");
    }
    return s + "]\r\n";
}

TEST(ReadPrefixTable, FullBlockFillsExactlyItsHundredCells) {
    const LookupTables t = Load090(FullBlock(3, "c"));
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 10; ++col) EXPECT_EQ(t.PrefixTable090.Cell(3, row, col), u"c" + std::u16string(1, u'0' + row) + std::u16string(1, u'0' + col)) << row << col;
    EXPECT_EQ(t.PrefixTable090.Cell(2, 9, 9), u"");
    EXPECT_EQ(t.PrefixTable090.Cell(4, 0, 0), u"");
}

TEST(ReadPrefixTable, RowRules) {
    const LookupTables t = Load090(
        "index=0\r\n"
        "0,1,2,3,4,5,6,7,8,9,10;\r\n"   // eleven cells: the eleventh is dropped
        "a,b;\r\n"                      // short row
        ";\r\n"                         // lone ";" ends a row, stores nothing
        "x,,y;\r\n"                     // an empty item takes no column
        "p,#note,q;\r\n"                // a comment takes a column
        "r,#c;,s;\r\n"                  // a comment with ";" ends the row
        "t;\r\n");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 0, 9), u"9");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 1, 0), u"a");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 1, 1), u"b");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 1, 2), u"");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 2, 0), u"");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 3, 0), u"x");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 3, 1), u"y");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 4, 1), u"");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 4, 2), u"q");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 5, 0), u"r");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 6, 0), u"s");  // "s" opens row 6 after the comment's ";"
    EXPECT_EQ(t.PrefixTable090.Cell(0, 7, 0), u"t");
}

TEST(ReadPrefixTable, ItemsAfterBlockEndAreIgnoredWithoutMovingTheRow) {
    const LookupTables t = Load090("index=1\r\na;\r\n]\r\nz;\r\nz;\r\nindex=1\r\n,b;\r\n");
    EXPECT_EQ(t.PrefixTable090.Cell(1, 0, 0), u"b");  // the second block starts again at row 0
    EXPECT_EQ(t.PrefixTable090.Cell(1, 1, 0), u"");
}

TEST(ReadPrefixTable, IndexPastLastIndexEndsSectionAtOnce) {
    // In the PHS table, index 6 is the last; index 7 ends the section and its cells are never
    // stored, and the "}" that follows is a stray top-level item.
    const LookupTables t = LoadFromFile(
        "phs_tolva_num{\r\nindex=6\r\na;\r\nindex=7\r\nb;\r\n}\r\nkeitai_tolvas{\r\nA;\r\n}");
    EXPECT_EQ(t.PrefixTablePhs.Cell(6, 0, 0), u"a");
    EXPECT_TRUE(t.OperatorList090Loaded);
    const LookupTables t080 = LoadFromFile("keitai_tolva_num080{\r\nindex=5\r\na;\r\nindex=6\r\nb;\r\n}");
    EXPECT_EQ(t080.PrefixTable080.Cell(5, 0, 0), u"a");
    const LookupTables t090 = Load090("index=9\r\na;\r\nindex=10\r\nb;\r\nindex=0\r\nc;\r\n");
    EXPECT_EQ(t090.PrefixTable090.Cell(9, 0, 0), u"a");
    EXPECT_EQ(t090.PrefixTable090.Cell(0, 0, 0), u"");  // after index=10, the section is over
}

TEST(ReadPrefixTable, NegativeIndexBlockIsSkipped) {
    const LookupTables t = Load090("index=-1\r\na;\r\nb;\r\nindex=2\r\nc;\r\n");
    EXPECT_EQ(t.PrefixTable090.Cell(2, 0, 0), u"c");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 0, 0), u"");
}

TEST(ReadPrefixTable, CellsAfterTenthRowAreDropped) {
    std::string body = "index=4\r\n";
    for (int row = 0; row < 12; ++row) body += "r" + std::to_string(row) + ";\r\n";
    const LookupTables t = Load090(body);
    EXPECT_EQ(t.PrefixTable090.Cell(4, 9, 0), u"r9");
    EXPECT_EQ(t.PrefixTable090.Cell(5, 0, 0), u"");  // nothing spills into the next index
}

TEST(ReadPrefixTable, LabelWithCommaBecomesFirstCell) {
    const LookupTables t = Load090("index=2 [a, b]\r\n");
    EXPECT_EQ(t.PrefixTable090.Cell(2, 0, 0), u"b]");
}

TEST(ReadPrefixTable, BraceInsideBlockEndsSection) {
    const LookupTables t = LoadFromFile("keitai_tolva_num{\r\nindex=0\r\na,}\r\nb;\r\n");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 0, 0), u"a");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 0, 1), u"");
}

TEST(ReadPrefixTable, SecondSectionOverwritesOnlyGivenCells) {
    const LookupTables t = LoadFromFile(
        "keitai_tolva_num{\r\nindex=0\r\na,b;\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\n,c;\r\n}");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 0, 0), u"c");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 0, 1), u"b");
}

TEST(ReadPrefixTable, ItemsBeforeFirstIndexLineAreIgnored) {
    const LookupTables t = Load090("a;\r\nindex=0\r\nb;\r\n");
    EXPECT_EQ(t.PrefixTable090.Cell(0, 0, 0), u"b");
}

TEST(ReadPrefixTable, UnrecognisedIndexLineIsAnOrdinaryCell) {
    const LookupTables t = Load090("index=1\r\nindex=2;\r\nindex=x,z;\r\n");
    EXPECT_EQ(t.PrefixTable090.Cell(1, 0, 0), u"index=2");
    EXPECT_EQ(t.PrefixTable090.Cell(1, 1, 0), u"index=x");
}

struct IndexCase {
    const char* name;
    friend void PrintTo(const IndexCase& c, std::ostream* os) { *os << c.name; }
    std::u16string_view item;
    bool recognised;
    std::int16_t number;
};

class ParseIndexLineTest : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ParseIndexLineTest, RecognisesDecimalNumbers) {
    const IndexLine line = ParseIndexLine(GetParam().item);
    EXPECT_EQ(line.recognised, GetParam().recognised);
    if (GetParam().recognised) {
        EXPECT_EQ(line.number, GetParam().number);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, ParseIndexLineTest,
    ::testing::Values(
        IndexCase{"Plain", u"index=3", true, 3},
        IndexCase{"LabelAfterSpaces", u"index=4  [080-4xxx]", true, 4},
        IndexCase{"HalfRoundsToEvenDown", u"index=2.5", true, 2},
        IndexCase{"HalfRoundsToEvenUp", u"index=3.5", true, 4},
        IndexCase{"Exponent", u"index=5e0", true, 5},
        IndexCase{"SignedWithSpaces", u"index= +1 ", true, 1},
        IndexCase{"Negative", u"index=-2", true, -2},
        IndexCase{"HugeSaturates", u"index=1e300", true, 32767},
        IndexCase{"HugeNegativeSaturates", u"index=-99999", true, -32768},
        IndexCase{"EmptyRest", u"index=", false, 0},
        IndexCase{"SignAlone", u"index=+", false, 0},
        IndexCase{"TrailingSemicolon", u"index=3;", false, 0},
        IndexCase{"Letters", u"index=three", false, 0},
        IndexCase{"Hexadecimal", u"index=0x3", false, 0},
        IndexCase{"DigitGrouping", u"index=1,000", false, 0},
        IndexCase{"TwoPoints", u"index=1.2.3", false, 0},
        IndexCase{"UpperCaseKey", u"Index=3", false, 0},
        IndexCase{"Comment", u"#index=3", false, 0},
        IndexCase{"FullWidthDigit", u"index=\uFF13", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseIndexLine, PointStaysTheDecimalPointInALocaleWithADecimalComma) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr && std::setlocale(LC_NUMERIC, "German_Germany.1252") == nullptr)
        GTEST_SKIP() << "no German locale here";
    const IndexLine line = ParseIndexLine(u"index=3.5e0");
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_TRUE(line.recognised);
    EXPECT_EQ(line.number, 4);
}

TEST(CleanCellValue, CommentCommaSemicolonRules) {
    EXPECT_EQ(CleanCellValue(u"#21"), u"");
    EXPECT_EQ(CleanCellValue(u"21;"), u"21");
    EXPECT_EQ(CleanCellValue(u";"), u"");
    EXPECT_EQ(CleanCellValue(u"a , b;c"), u"a");
    EXPECT_EQ(CleanCellValue(u"a;b,c"), u"a");
    EXPECT_EQ(CleanCellValue(u"2#1"), u"2#1");
    // Only spaces are trimmed from a value: "81<TAB>" is not the mark "81".
    EXPECT_EQ(CleanCellValue(u" 81\t;"), u"81\t");
    EXPECT_EQ(CleanExceptionLine(u"\t1234 ;x"), u"\t1234");
}

}  // namespace
}  // namespace milden

#include <gtest/gtest.h>

#include <clocale>
#include <ostream>
#include <string>

#include "lookup/data_item_reader.h"
#include "lookup/lookup_tables.h"
#include "lookup/utf8.h"
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

// Every filled cell of the three tables, in order: "090 0.1.2=a 080 5.0.0=b".
std::string FilledCells(const LookupTables& t) {
    std::string cells;
    for (const Range range : kAllRanges) {
        const PrefixTable& table = t.Prefixes(range);
        cells += cells.empty() ? "" : " ";
        cells += FormatOf(range).digits;
        for (int slot = 0; slot < CellCount(range); ++slot) {
            const int index = slot / kCellsPerBlock, row = slot / kCellsPerRow % kRowsPerBlock, column = slot % kCellsPerRow;
            const std::u16string_view cell = table.Cell(index, row, column);
            if (cell.empty()) continue;
            cells += " " + std::to_string(index) + "." + std::to_string(row) + "." + std::to_string(column) + "=" +
                     Utf16ToUtf8(cell);
        }
    }
    return cells;
}

struct SectionCase {
    const char* name;
    friend void PrintTo(const SectionCase& c, std::ostream* os) { *os << c.name; }
    std::string_view file;
    std::string_view cells;  // FilledCells of the loaded tables
};

class ReadPrefixTableTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(ReadPrefixTableTest, FillsExactlyTheseCells) {
    EXPECT_EQ(FilledCells(LoadFromFile(GetParam().file)), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ReadPrefixTableTest,
    ::testing::Values(
        // Eleven cells (the eleventh dropped), a short row, a lone ";", an empty item (no
        // column), a comment (a column), a comment with ";" (ends the row).
        SectionCase{"RowRules", "keitai_tolva_num{\r\nindex=0\r\n0,1,2,3,4,5,6,7,8,9,10;\r\na,b;\r\n;\r\n"
                                "x,,y;\r\np,#note,q;\r\nr,#c;,s;\r\nt;\r\n}",
                    "090 0.0.0=0 0.0.1=1 0.0.2=2 0.0.3=3 0.0.4=4 0.0.5=5 0.0.6=6 0.0.7=7 0.0.8=8 0.0.9=9 0.1.0=a 0.1.1=b "
                    "0.3.0=x 0.3.1=y 0.4.0=p 0.4.2=q 0.5.0=r 0.6.0=s 0.7.0=t 080 070"},
        SectionCase{"ItemsAfterBlockEndAreIgnoredWithoutMovingTheRow",
                    "keitai_tolva_num{\r\nindex=1\r\na;\r\n]\r\nz;\r\nz;\r\nindex=1\r\n,b;\r\n}", "090 1.0.0=b 080 070"},
        // The "}" after index=7 is a stray top-level item: the next key still opens its section.
        SectionCase{"IndexPastLastIndexEndsThePhsSectionAtOnce",
                    "phs_tolva_num{\r\nindex=6\r\na;\r\nindex=7\r\nb;\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\nc;\r\n}",
                    "090 0.0.0=c 080 070 6.0.0=a"},
        SectionCase{"IndexPastLastIndexEndsThe080Section",
                    "keitai_tolva_num080{\r\nindex=5\r\na;\r\nindex=6\r\nb;\r\n}", "090 080 5.0.0=a 070"},
        SectionCase{"IndexPastLastIndexEndsThe090Section",
                    "keitai_tolva_num{\r\nindex=9\r\na;\r\nindex=10\r\nb;\r\nindex=0\r\nc;\r\n}", "090 9.0.0=a 080 070"},
        SectionCase{"NegativeIndexBlockIsSkipped",
                    "keitai_tolva_num{\r\nindex=-1\r\na;\r\nb;\r\nindex=2\r\nc;\r\n}", "090 2.0.0=c 080 070"},
        SectionCase{"CellsAfterTenthRowAreDropped",
                    "keitai_tolva_num080{\r\nindex=4\r\nr0;,r1;,r2;,r3;,r4;,r5;,r6;,r7;,r8;,r9;,r10;,r11;\r\n}",
                    "090 080 4.0.0=r0 4.1.0=r1 4.2.0=r2 4.3.0=r3 4.4.0=r4 4.5.0=r5 4.6.0=r6 4.7.0=r7 4.8.0=r8 4.9.0=r9 070"},
        SectionCase{"LabelWithCommaBecomesFirstCell", "keitai_tolva_num{\r\nindex=2 [a, b]\r\n}", "090 2.0.0=b] 080 070"},
        SectionCase{"BraceInsideBlockEndsSection", "keitai_tolva_num{\r\nindex=0\r\na,}\r\nb;\r\n", "090 0.0.0=a 080 070"},
        SectionCase{"SecondSectionOverwritesOnlyGivenCells",
                    "phs_tolva_num{\r\nindex=0\r\na,b;\r\n}\r\nphs_tolva_num{\r\nindex=0\r\n,c;\r\n}", "090 080 070 0.0.0=c 0.0.1=b"},
        // Codes of up to four ASCII characters live in their cells, others in the table's store:
        // a cell goes from one kind to the other when a section is read again.
        SectionCase{"CodesMoveBetweenCellAndStore",
                    "keitai_tolva_num{\r\nindex=0\r\n12345,ab,９,x;\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\n12,abcde,９,xyzw;\r\n}",
                    "090 0.0.0=12 0.0.1=abcde 0.0.2=９ 0.0.3=xyzw 080 070"},
        SectionCase{"ItemsBeforeFirstIndexLineAreIgnored", "keitai_tolva_num{\r\na;\r\nindex=0\r\nb;\r\n}", "090 0.0.0=b 080 070"},
        SectionCase{"UnrecognisedIndexLineIsAnOrdinaryCell",
                    "keitai_tolva_num{\r\nindex=1\r\nindex=2;\r\nindex=x,z;\r\n}", "090 1.0.0=index=2 1.1.0=index=x 1.1.1=z 080 070"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadPrefixTable, EachKindFillsItsOwnTable) {
    for (int kind = 0; kind < 3; ++kind) {
        LookupTables t;
        DataItemReader reader("index=5\r\na;\r\n}");
        ReadPrefixTable(t, kind, reader);
        EXPECT_EQ(FilledCells(t), std::string(kind == 0 ? "090 5.0.0=a 080 070" : kind == 1 ? "090 080 5.0.0=a 070" : "090 080 070 5.0.0=a"));
    }
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
        IndexCase{"NegativeHalfRoundsToEven", u"index=-3.5", true, -4},
        IndexCase{"JustBelowHalfRoundsDown", u"index=4.4999999", true, 4},
        IndexCase{"Exponent", u"index=5e0", true, 5},
        IndexCase{"SignedWithSpaces", u"index= +1 ", true, 1},
        IndexCase{"Negative", u"index=-2", true, -2},
        IndexCase{"HugeSaturates", u"index=1e300", true, 32767},
        IndexCase{"ManyDigitsSaturate", u"index=123456789", true, 32767},
        IndexCase{"LeadingZeros", u"index=007", true, 7},
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

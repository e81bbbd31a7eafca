// The generator on made-up prefixes: each file it writes is read back by the real loader and
// asked through the real LookupNumber, so a row proves what a user would see.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/tools/answer_recorder.h"
#include "lookup/utf8.h"
#include "tools/make_data.h"

namespace milden {
namespace {

using datagen::CarrierPrefixes;

const datagen::SourcePackage kPackage{"example-carrier-data", "1.2.3", "MIT"};

struct Ask {
    int range;  // 0 is 090, 1 is 080, 2 is 070
    const char16_t* digits;
    const char* name;  // the answer's second line without "です。"
};

struct PlanCase {
    const char* title;
    friend void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.title; }
    CarrierPrefixes prefixes;
    std::vector<Ask> asks;
};

class GeneratedFileAnswers : public ::testing::TestWithParam<PlanCase> {};

TEST_P(GeneratedFileAnswers, AsTheSourceSays) {
    const PlanCase& c = GetParam();
    LookupTables tables;
    LoadDataBytes(tables, datagen::MakeDataFile(c.prefixes, kPackage).bytes);
    for (const Ask& ask : c.asks) {
        EXPECT_EQ(Utf16ToUtf8(test_support::NameText(test_support::AskLookup(tables, ask.range, ask.digits))), ask.name)
            << "range " << ask.range << " digits " << Utf16ToUtf8(ask.digits);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, GeneratedFileAnswers,
    ::testing::Values(
        PlanCase{"the longest matching prefix wins",
                 {{"901", "KDDI"}, {"9012", "NTT Docomo"}, {"90123", "Softbank"}},
                 {{0, u"1100", "au（KDDI）"}, {0, u"1200", "NTTドコモ"}, {0, u"1234", "ソフトバンク"}}},
        PlanCase{"a block no prefix covers answers no carrier in every range",
                 {{"901", "KDDI"}},
                 {{0, u"2000", "キャリアが不明"}, {1, u"1000", "キャリアが不明"}, {2, u"1000", "キャリアが不明"}}},
        PlanCase{"a prefix shorter than the range covers all of it",
                 {{"9", "NTT Docomo"}},
                 {{0, u"0000", "NTTドコモ"}, {0, u"9999", "NTTドコモ"}}},
        PlanCase{"every known carrier gets its Japanese name",
                 {{"701", "NTT Docomo"}, {"702", "KDDI"}, {"703", "Okinawa Cellular"}, {"704", "Softbank"},
                  {"705", "Rakuten Communications"}},
                 {{2, u"1000", "NTTドコモ"}, {2, u"2000", "au（KDDI）"}, {2, u"3000", "au（沖縄セルラー電話）"},
                  {2, u"4000", "ソフトバンク"}, {2, u"5000", "楽天モバイル"}}},
        PlanCase{"a fourth digit splitting a 090 block goes through the exception list",
                 {{"9012", "KDDI"}, {"901234", "Softbank"}},
                 {{0, u"1234", "ソフトバンク"}, {0, u"1235", "au（KDDI）"}, {0, u"1230", "au（KDDI）"}}},
        PlanCase{"a fourth digit splitting an 080 block goes through the exception list",
                 {{"805", "NTT Docomo"}, {"805999", "KDDI"}},
                 {{1, u"5999", "au（KDDI）"}, {1, u"5998", "NTTドコモ"}}},
        PlanCase{"a fourth digit splitting a 070 block uses the PHS exception mark",
                 {{"703", "Softbank"}, {"70300", "KDDI"}, {"703001", "NTT Docomo"}},
                 {{2, u"3001", "NTTドコモ"}, {2, u"3002", "au（KDDI）"}, {2, u"3010", "ソフトバンク"}}},
        PlanCase{"an uncovered four-digit block inside a split block still answers no carrier",
                 {{"901234", "Softbank"}},
                 {{0, u"1234", "ソフトバンク"}, {0, u"1235", "キャリアが不明"}, {0, u"1240", "キャリアが不明"}}},
        PlanCase{"a four-digit block split further names its two largest holders, larger first",
                 {{"9012", "KDDI"}, {"9012345", "Softbank"}, {"9012346", "Softbank"}, {"9012340", "NTT Docomo"}},
                 {{0, u"1234", "au（KDDI）かソフトバンク"}, {0, u"1233", "au（KDDI）"}}},
        PlanCase{"holders with equal shares come in operator-list order",
                 {{"8012345", "Softbank"}, {"8012346", "Softbank"}, {"8012347", "Softbank"}, {"8012348", "Softbank"},
                  {"8012349", "Softbank"}, {"801234", "NTT Docomo"}},
                 {{1, u"1234", "NTTドコモかソフトバンク"}}},
        PlanCase{"a four-digit block only partly covered names no carrier beside its holder",
                 {{"70123456", "Rakuten Communications"}},
                 {{2, u"1234", "キャリアが不明か楽天モバイル"}, {2, u"1235", "キャリアが不明"}}},
        PlanCase{"blocks past the 080 and 070 tables answer no carrier",
                 {{"806", "Okinawa Cellular"}, {"807", "NTT Docomo"}, {"805", "KDDI"}},
                 {{1, u"6000", "キャリアが不明"}, {1, u"7999", "キャリアが不明"}, {1, u"5000", "au（KDDI）"},
                  {2, u"7000", "キャリアが不明"}}}));

TEST(PlanRange, CountsBlocksPerHolderAndThoseThatFallPastTheTable) {
    const CarrierPrefixes prefixes{{"805", "KDDI"}, {"8059", "NTT Docomo"}, {"807", "Softbank"}, {"8089", "Softbank"}};
    const datagen::RangePlan plan = datagen::PlanRange(kRangeFormats[1], prefixes);
    EXPECT_EQ(plan.blocks, (std::map<std::string, int>{{"au（KDDI）", 900}, {"NTTドコモ", 100}, {"キャリアが不明", 5000}}));
    EXPECT_EQ(plan.droppedBlocks, (std::map<std::string, int>{{"ソフトバンク", 1100}}));
    EXPECT_TRUE(plan.exceptions.empty());
}

TEST(PlanRange, WritesTenExceptionEntriesForEachSplitThreeDigitBlock) {
    const datagen::RangePlan plan = datagen::PlanRange(kRangeFormats[0], {{"90123", "KDDI"}, {"901234", "Softbank"}});
    ASSERT_EQ(plan.exceptions.size(), 10u);
    EXPECT_EQ(plan.exceptions.front().number, "1230");
    EXPECT_EQ(plan.exceptions.back().number, "1239");
    EXPECT_EQ(plan.cells[123], "40");
}

TEST(PlanRange, NoOperatorCodeIsASpecialMarkOfItsRange) {
    for (const RangeFormat& range : kRangeFormats) {
        const datagen::RangePlan plan = datagen::PlanRange(range, {});
        for (std::size_t slot = 0; slot < plan.slots.size(); ++slot) {
            const std::string code{static_cast<char>('0' + slot / 10), static_cast<char>('0' + slot % 10)};
            if (code == range.exceptionMark || code == range.unknownMark) {
                EXPECT_EQ(plan.slots[slot], "") << range.digits << " code " << code;
            }
        }
    }
}

struct FailureCase {
    const char* title;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.title; }
    CarrierPrefixes prefixes;
    const char* messagePart;
};

class GeneratorStops : public ::testing::TestWithParam<FailureCase> {};

TEST_P(GeneratorStops, WithAnErrorThatSaysWhy) {
    try {
        datagen::MakeDataFile(GetParam().prefixes, kPackage);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().messagePart), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, GeneratorStops,
    ::testing::Values(FailureCase{"a carrier it has no Japanese name for", {{"901", "Mystery Mobile"}}, "Mystery Mobile"},
                      FailureCase{"an unknown carrier past the 080 table", {{"809", "Other Mobile"}}, "Other Mobile"},
                      FailureCase{"an unknown carrier hidden under a split block",
                                  {{"9012", "KDDI"}, {"9012345", "Mystery Mobile"}}, "Mystery Mobile"},
                      FailureCase{"a prefix longer than any number", {{"90123456789", "KDDI"}}, "longer than a number"}));

TEST(DataFileText, IsTheSameForTheSameInputHasOnlyCrLfLineEndsAndNamesWhatItCannotHold) {
    const CarrierPrefixes prefixes{{"901", "KDDI"}, {"9012345", "Softbank"}, {"60100", "Softbank"}};
    const std::string first = datagen::MakeDataFile(prefixes, kPackage).bytes;
    EXPECT_EQ(first, datagen::MakeDataFile(prefixes, kPackage).bytes);
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (first[i] == '\n') {
            ASSERT_TRUE(i > 0 && first[i - 1] == '\r') << "bare LF at byte " << i;
        } else if (first[i] == '\r') {
            ASSERT_TRUE(i + 1 < first.size() && first[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    EXPECT_TRUE(first.ends_with("}\r\n"));
    EXPECT_NE(first.find("example-carrier-data 1.2.3 (MIT licence)"), std::string::npos);
    EXPECT_NE(first.find("not used: 060100."), std::string::npos);
    EXPECT_NE(first.find("which numbers each holds: 090-1234."), std::string::npos);
}

}  // namespace
}  // namespace milden

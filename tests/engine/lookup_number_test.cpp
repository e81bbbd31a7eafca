#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/lookup_number.h"
#include "tests/support/recording_services.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

using test_support::RecordingBoxes;
using SelectedOption = test_support::RecordingOptions;

constexpr std::u16string_view kWarning1 =
    u"数字以外の文字が入力されているか、\r全角数字が入力されています。\r"
    u"電話番号の入力は半角数字４文字でお願いします。\r"
    u"この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。";
constexpr std::u16string_view kWarning2 =
    u"入力された電話番号は４文字未満です。\r電話番号の入力は半角数字４文字でお願いします。\r"
    u"この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。";

// Operators in every range: group g, position p is named "<range>gp".
const LookupTables& Tables() {
    static const LookupTables t = test_support::LoadFromFile(
        "keitai_tolvas{\r\nA00,A01;\r\nA10;\r\nA20,A21,A22,A23,A24,A25,A26;\r\nA30,A31,A32,A33,A34,A35,A36;\r\n"
        "A40;\r\nA50;\r\n;\r\n;\r\nA80,A81;\r\n}\r\n"
        "keitai_tolvas080{\r\nB00;\r\nB10;\r\nB20,B21;\r\n;\r\nB40;\r\nB50;\r\n;\r\n;\r\nB80,B81;\r\n}\r\n"
        "phs_tolvas{\r\nP00;\r\nP10;\r\n;\r\nP30;\r\nP40;\r\n}\r\n"
        "keitai_tolva_num{\r\nindex=1\r\n"
        "21,2536,5,81,50,40,253,,#c,9;\r\n}\r\n"
        "hash_keitai_tolva_num{\r\n1050,31\r\n1051,2021\r\n}\r\n"
        "keitai_tolva_num080{\r\nindex=5\r\n21,81,50,40;\r\nindex=0\r\n,,,,,,,,,,;\r\n40;\r\n}\r\n"
        "hash_keitai_tolva_num080{\r\n5030,20\r\n}\r\n"
        "phs_tolva_num{\r\nindex=6\r\n10,40,30;\r\n}\r\n"
        "hash_phs_tolva_num{\r\n6020,4010\r\n}\r\n");
    return t;
}

struct LookupCase {
    const char* name;
    friend void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }
    int selected;
    std::u16string_view text;
    std::u16string_view prompt;  // "" means no box at all
    BoxStyle style;
    const char* file = nullptr;  // the data file, when not the one of Tables()
};

class LookupNumberTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupNumberTest, ShowsTheExactBox) {
    const LookupCase& c = GetParam();
    RecordingBoxes boxes;
    const LookupTables own = c.file ? test_support::LoadFromFile(c.file) : LookupTables();
    LookupNumber(std::u16string(c.text), c.file ? own : Tables(), SelectedOption(c.selected), boxes);
    if (c.prompt.empty()) {
        EXPECT_TRUE(boxes.shown.empty());
        return;
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, c.prompt);
    EXPECT_EQ(boxes.shown[0].style, c.style);
    if (c.style == BoxStyle::Warning) {
        EXPECT_FALSE(boxes.shown[0].title.has_value());
    } else {
        EXPECT_EQ(boxes.shown[0].title, std::u16string(u"ミルデン"));
    }
}

constexpr auto W = BoxStyle::Warning;
constexpr auto I = BoxStyle::Information;

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupNumberTest,
    ::testing::Values(
        LookupCase{"EmptyTextShowsNothing", 0, u"", u"", I},
        LookupCase{"DecimalPointIsWarning1", 0, u"1.23", kWarning1, W},
        LookupCase{"DecimalPointShortIsWarning1", 0, u"12.4", kWarning1, W},
        LookupCase{"LettersBeforeLengthCheck", 0, u"12x", kWarning1, W},
        LookupCase{"FullWidthDigits", 0, u"１２３４", kWarning1, W},
        LookupCase{"InnerSpace", 0, u"12 34", kWarning1, W},
        LookupCase{"Hexadecimal", 0, u"0x12", kWarning1, W},
        LookupCase{"ThreeDigitsWarning2", 0, u"123", kWarning2, W},
        LookupCase{"TwoDigitsWarning2", 1, u"12", kWarning2, W},
        LookupCase{"OneCellCode", 0, u"1000", u"090-1000-****の携帯電話のキャリアは\rA21です。", I},
        LookupCase{"FourCharacterCellNamesTwo", 0, u"1019", u"090-1019-****の携帯電話のキャリアは\rA25かA36です。", I},
        LookupCase{"OneCharacterCellReadsItemZero", 0, u"1020", u"090-1020-****の携帯電話のキャリアは\rA50です。", I},
        LookupCase{"UnknownMark090", 0, u"1030", u"090-1030-****の携帯電話のキャリアは\rキャリアが不明です。", I},
        LookupCase{"Code50IsOrdinaryIn090", 0, u"1040", u"090-1040-****の携帯電話のキャリアは\rA50です。", I},
        LookupCase{"ExceptionOneName", 0, u"1050", u"090-1050-****の携帯電話のキャリアは\rA31です。", I},
        LookupCase{"ExceptionTwoNames", 0, u"1051", u"090-1051-****の携帯電話のキャリアは\rA20かA21です。", I},
        LookupCase{"ExceptionMissReadsPairZeroZero", 0, u"1059", u"090-1059-****の携帯電話のキャリアは\rA00です。", I},
        LookupCase{"ThreeCharacterCellReadsFirstPair", 0, u"1060", u"090-1060-****の携帯電話のキャリアは\rA25です。", I},
        LookupCase{"CommentCellIsUnknown", 0, u"1070", u"090-1070-****の携帯電話のキャリアは\rキャリアが不明です。", I},
        LookupCase{"NameMissingGivesEmptyName", 0, u"1080", u"090-1080-****の携帯電話のキャリアは\rです。", I},
        LookupCase{"EmptyCellIsUnknown", 0, u"1090", u"090-1090-****の携帯電話のキャリアは\rキャリアが不明です。", I},
        LookupCase{"FiveCharactersUseFirstFour", 0, u"10001", u"090-10001-****の携帯電話のキャリアは\rA21です。", I},
        LookupCase{"SignCountsAsZeroDigit", 0, u"+123", u"090-+123-****の携帯電話のキャリアは\rキャリアが不明です。", I},
        LookupCase{"OneName080", 1, u"5000", u"080-5000-****の携帯電話のキャリアは\rB21です。", I},
        LookupCase{"Code81IsOrdinaryIn080", 1, u"5010", u"080-5010-****の携帯電話のキャリアは\rB81です。", I},
        LookupCase{"UnknownMark080", 1, u"5020", u"080-5020-****の携帯電話のキャリアは\rキャリアが不明です。", I},
        LookupCase{"Exception080", 1, u"5030", u"080-5030-****の携帯電話のキャリアは\rB20です。", I},
        LookupCase{"ExceptionMissReadsPairZeroZero080", 1, u"0100", u"080-0100-****の携帯電話のキャリアは\rB00です。", I},
        LookupCase{"Range080FirstDigitSixIsUnknown", 1, u"6000", u"080-6000-****の携帯電話のキャリアは\rキャリアが不明です。", I},
        LookupCase{"PhsHeader", 2, u"6000", u"070-6000-****のPHSのキャリアは\rP10です。", I},
        LookupCase{"Code40IsUnknownInPhs", 2, u"6010", u"070-6010-****のPHSのキャリアは\rキャリアが不明です。", I},
        LookupCase{"Code30ConsultsPhsExceptions", 2, u"6020", u"070-6020-****のPHSのキャリアは\rP40かP10です。", I},
        LookupCase{"PhsFirstDigitSevenIsUnknown", 2, u"7000", u"070-7000-****のPHSのキャリアは\rキャリアが不明です。", I},
        // "+123" gives digits 0,1,2,3: cell (0,1,2), the exception mark, then the key 0123.
        LookupCase{"SignedTextLooksUpKeyWithLeadingZero", 0, u"+123", u"090-+123-****の携帯電話のキャリアは\rA80です。", I,
                   "keitai_tolvas{\r\nA00;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\nA80;\r\n}\r\n"
                   "keitai_tolva_num{\r\nindex=0\r\n;\r\n#,#,40;\r\n}\r\nhash_keitai_tolva_num{\r\n0123,80\r\n}"},
        LookupCase{"ExceptionMarkWithoutExceptionListIsOrdinaryCode", 0, u"2000",
                   u"090-2000-****の携帯電話のキャリアは\rA40です。", I,
                   "keitai_tolvas{\r\n;\r\n;\r\n;\r\n;\r\nA40;\r\n}\r\nkeitai_tolva_num{\r\nindex=2\r\n40;\r\n}"},
        LookupCase{"OperatorNameIsPassedOnAsPlainCharacters", 0, u"0000",
                   u"090-0000-****の携帯電話のキャリアは\r<b>x</b>&ampです。", I,
                   "keitai_tolvas{\r\n<b>x</b>&amp;\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\n00;\r\n}"},
        // Without "keitai_tolvas{" the 090 answer is unknown whatever its prefix table says; the
        // other ranges read their tables without their lists.
        LookupCase{"Without090OperatorListTheAnswerIsUnknown", 0, u"1000",
                   u"090-1000-****の携帯電話のキャリアは\rキャリアが不明です。", I, "keitai_tolva_num{\r\nindex=1\r\n21;\r\n}"},
        LookupCase{"Without080OperatorListTheNameIsEmpty", 1, u"1000", u"080-1000-****の携帯電話のキャリアは\rです。", I,
                   "keitai_tolva_num080{\r\nindex=1\r\n21;\r\n}"},
        LookupCase{"WithoutData090IsUnknown", 0, u"1234", u"090-1234-****の携帯電話のキャリアは\rキャリアが不明です。", I, ""},
        LookupCase{"WithoutData080IsUnknown", 1, u"1234", u"080-1234-****の携帯電話のキャリアは\rキャリアが不明です。", I, ""},
        LookupCase{"WithoutDataPhsIsUnknown", 2, u"1234", u"070-1234-****のPHSのキャリアは\rキャリアが不明です。", I, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LookupNumber, ReadsOptionsInOrderOnlyAsFarAsNeeded) {
    RecordingBoxes boxes;
    SelectedOption first(0);
    LookupNumber(u"1234", Tables(), first, boxes);
    EXPECT_EQ(first.reads, std::vector<int>({0}));
    SelectedOption third(2);
    LookupNumber(u"1234", Tables(), third, boxes);
    EXPECT_EQ(third.reads, std::vector<int>({0, 1, 2}));
    SelectedOption unused(0);
    LookupNumber(u"12", Tables(), unused, boxes);  // a warning needs no range
    EXPECT_TRUE(unused.reads.empty());
}

}  // namespace
}  // namespace milden

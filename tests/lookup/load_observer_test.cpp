// What the loader tells an observer: one table of small files, each with every event expected,
// written "line:column Kind(Reason) place 'item' =value".
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "lookup/cp932.h"
#include "lookup/lookup_tables.h"
#include "lookup/utf8.h"

namespace milden {
namespace {

class EventLog : public LoadObserver {
public:
    void OnLoadEvent(const LoadEvent& e) override {
        std::string line = std::to_string(e.at.line) + ":" + std::to_string(e.at.column) + " " + std::string(NameOf(e.kind));
        if (e.reason != LoadEventReason::None) line += "(" + std::string(NameOf(e.reason)) + ")";
        const bool placed = e.kind != LoadEventKind::Ignored && e.kind != LoadEventKind::Note &&
                            e.kind != LoadEventKind::SectionOpened && e.kind != LoadEventKind::SectionClosed &&
                            e.kind != LoadEventKind::SectionUnclosed && e.kind != LoadEventKind::BlockClosed;
        if (placed) line += " " + std::to_string(e.place[0]) + "," + std::to_string(e.place[1]) + "," + std::to_string(e.place[2]);
        line += " '" + Utf16ToUtf8(e.item) + "'";
        if (!e.value.empty()) line += " =" + Utf16ToUtf8(e.value);
        events.push_back(line);
    }
    std::vector<std::string> events;
};

struct ObserverCase {
    const char* name;
    friend void PrintTo(const ObserverCase& c, std::ostream* os) { *os << c.name; }
    std::string file;  // code page 932
    std::vector<std::string> events;
};

class LoadObserverTest : public ::testing::TestWithParam<ObserverCase> {};

TEST_P(LoadObserverTest, ReportsEveryItemWithItsPosition) {
    LookupTables tables;
    EventLog log;
    LoadDataBytes(tables, GetParam().file, &log);
    EXPECT_EQ(log.events, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadObserverTest,
    ::testing::Values(
        ObserverCase{"PrefixTableBlocksAndWhatTheyIgnore",
                     "keitai_tolva_num080{\r\na\r\nindex=5 [x],21,#c,\"3,x\"y;\r\n]\r\nz\r\nindex=-1\r\nq\r\nindex=6\r\n}",
                     {"1:1 SectionOpened 'keitai_tolva_num080{'", "2:1 Ignored(BeforeFirstBlock) 'a'",
                      "3:1 BlockOpened 5,0,0 'index=5 [x]'", "3:13 CellStored 5,0,0 '21' =21",
                      "3:16 Ignored(Comment) '#c'", "3:19 Note(TextAfterClosingQuote) '3,x'",
                      "3:19 CellStored 5,0,2 '3,x' =3", "4:1 BlockClosed ']'", "5:1 Ignored(AfterBlockEnd) 'z'",
                      "6:1 Ignored(NegativeIndex) 'index=-1'", "7:1 Ignored(InSkippedBlock) 'q'",
                      "8:1 Ignored(IndexPastLastIndex) 'index=6'", "9:1 Ignored(NotASectionKey) '}'"}},
        ObserverCase{"PrefixTableTenthColumnAndRow",
                     "phs_tolva_num{,index=6,0,1,2,3,4,5,6,7,8,9,X;\n;\n;\n;\n;\n;\n;\n;\n;\n;\nY,}",
                     {"1:1 SectionOpened 'phs_tolva_num{'", "1:16 BlockOpened 6,0,0 'index=6'",
                      "1:24 CellStored 6,0,0 '0' =0", "1:26 CellStored 6,0,1 '1' =1", "1:28 CellStored 6,0,2 '2' =2",
                      "1:30 CellStored 6,0,3 '3' =3", "1:32 CellStored 6,0,4 '4' =4", "1:34 CellStored 6,0,5 '5' =5",
                      "1:36 CellStored 6,0,6 '6' =6", "1:38 CellStored 6,0,7 '7' =7", "1:40 CellStored 6,0,8 '8' =8",
                      "1:42 CellStored 6,0,9 '9' =9", "1:44 Ignored(PastTenthColumn) 'X;'", "2:1 Ignored(NoValue) ';'",
                      "3:1 Ignored(NoValue) ';'", "4:1 Ignored(NoValue) ';'", "5:1 Ignored(NoValue) ';'",
                      "6:1 Ignored(NoValue) ';'", "7:1 Ignored(NoValue) ';'", "8:1 Ignored(NoValue) ';'",
                      "9:1 Ignored(NoValue) ';'", "10:1 Ignored(NoValue) ';'", "11:1 Ignored(AfterTenthRow) 'Y'",
                      "11:3 SectionClosed '}'"}},
        ObserverCase{"OperatorGroupsCountJapaneseCharacters", EncodeCp932("phs_tolvas{\r\nドコモ,#x,ａｕ;\r\nB\r\n"),
                     {"1:1 SectionOpened 'phs_tolvas{'", "2:1 NameStored 0,0,0 'ドコモ' =ドコモ",
                      "2:5 Ignored(Comment) '#x'", "2:8 NameStored 0,2,0 'ａｕ;' =ａｕ", "2:8 GroupClosed 0,0,0 'ａｕ;'",
                      "3:1 NameStored 1,0,0 'B' =B", "3:1 GroupDropped 1,0,0 'B'", "1:1 SectionUnclosed 'phs_tolvas{'"}},
        ObserverCase{"ExceptionPairs", "hash_phs_tolva_num{\r\n5,11\r\n1234,21,1299\r\n}",
                     {"1:1 SectionOpened 'hash_phs_tolva_num{'", "2:1 Ignored(ShortFirstValue) '5'",
                      "2:3 Ignored(CodeOfDroppedNumber) '11'", "3:1 NumberStored 0,0,0 '1234' =1234",
                      "3:6 CodeStored 0,0,0 '21' =21", "3:9 NumberStored 0,1,0 '1299' =1299", "4:1 SectionClosed '}'",
                      "3:9 CodeMissing 0,1,0 '1299'"}},
        ObserverCase{"HowItemsWereRead", "\"a\r\nb\",\x81\r\n  x",
                     {"1:1 Note(QuotedItemSpansLineEnd) 'a\r\nb'", "1:1 Ignored(NotASectionKey) 'a\r\nb'",
                      "2:4 Note(InvalidShiftJis) '\xEF\xBF\xBD'", "2:4 Ignored(NotASectionKey) '\xEF\xBF\xBD'",
                      "3:3 Ignored(NotASectionKey) 'x'"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadObserver, ItemRunningPastTheReadLimitIsDroppedAndTheCutReported) {
    std::string file = "keitai_tolvas{\r\nA;\r\n";
    file.resize(kReadLimitBytes + 10, 'x');
    LookupTables tables;
    EventLog log;
    LoadDataBytes(tables, file, &log);
    EXPECT_EQ(OperatorName090(tables, 0, 0), u"A");
    ASSERT_GE(log.events.size(), 2u);
    EXPECT_EQ(log.events[log.events.size() - 3], "3:1 Ignored(ReadLimit) ''");
    EXPECT_EQ(log.events.back(), "0:0 Note(ReadLimit) ''");
}

}  // namespace
}  // namespace milden

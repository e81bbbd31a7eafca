// milden-lookup --check, --dump and --diff, run as the real program on real files.
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/run_program.h"
#include "lookup/cp932.h"
#include "tests/support/temp_dir.h"

namespace milden::test_support {
namespace {

const std::string kProgram = MILDEN_LOOKUP_PROGRAM;
const std::string kBundled = MILDEN_BUNDLED_DATA_FILE;

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Runs the program in a directory holding each (name, UTF-8 text) as a code page 932 file, where
// the four characters \x81 stand for that byte alone: not Shift-JIS.
ProgramRun RunWith(const std::vector<std::pair<std::string, std::string>>& files, const std::vector<std::string>& args,
                   const std::string& input = {}) {
    const TempDir dir;
    for (const auto& [name, text] : files) {
        std::string bytes = EncodeCp932(text);
        for (std::size_t at; (at = bytes.find("\\x81")) != std::string::npos;) bytes.replace(at, 4, "\x81");
        dir.Write(name, bytes);
    }
    return RunProgram(kProgram, args, input, dir.path());
}

// ---- --check ----

// The 080 and 070 sections every case shares, after its own lines: correct, so that a case's
// warnings are its own.
constexpr std::string_view kOther =
    "keitai_tolvas080{\r\nハチ;\r\n}\r\nkeitai_tolva_num080{\r\nindex=5\r\n00,50;\r\n}\r\n"
    "phs_tolvas{\r\nピー;\r\n}\r\nphs_tolva_num{\r\nindex=6\r\n00,40,30;\r\n}\r\nhash_phs_tolva_num{\r\n6020,00\r\n}\r\n";

struct CheckCase {
    const char* name;
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
    std::string file;  // UTF-8; kOther follows it unless alone
    // "LINE:COLUMN words of the warning", or ": words" for one without a place, in output order.
    std::vector<std::string> warnings;
    bool alone = false;
};

class Check : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Check, WarnsAtTheItemOfEachFaultOnce) {
    const CheckCase& c = GetParam();
    const ProgramRun run = RunWith({{"broken.dat", c.file + (c.alone ? "" : std::string(kOther))}}, {"--check", "broken.dat"});
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), c.warnings.size() + 1) << run.out;
    for (std::size_t i = 0; i < c.warnings.size(); ++i) {
        const std::string& expected = c.warnings[i];
        const std::size_t space = expected.find(' ');
        const std::string place = expected.substr(0, space);
        EXPECT_TRUE(lines[i].starts_with("broken.dat" + (place == ":" ? "" : ":" + place) + ": warning: ")) << lines[i];
        EXPECT_NE(lines[i].find(expected.substr(space + 1)), std::string::npos) << lines[i] << "\n  wanted: " << expected;
    }
    EXPECT_EQ(lines.back(), "broken.dat: " + std::to_string(c.warnings.size()) + (c.warnings.size() == 1 ? " warning" : " warnings"));
    EXPECT_EQ(run.exitCode, 1);
}

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, Check,
    ::testing::Values(
        CheckCase{"KeysNearlyWrittenRight",
                  "Keitai_tolvas{\r\nA;\r\n}\r\nkeitai_tolva_num {\r\nindex=1\r\n00;\r\n}\r\nkeitai_tolvas\r\n{\r\nA;\r\n}\r\n"
                  "keitai_tolvas{\r\nA;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n00;\r\n}\r\n",
                  {"1:1 \"Keitai_tolvas{\" opens no section: did you mean \"keitai_tolvas{\"?",
                   "4:1 did you mean \"keitai_tolva_num{\"?", "8:1 \"keitai_tolvas\" opens no section: did you mean"}},
        CheckCase{"MisspeltKeyIsTheOnlyWarningOfItsSection",
                  "KEITAI_TOLVA_NUM080 {\r\nindex=5\r\n00;\r\n}\r\nkeitai_tolvas{\r\nA;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n00;\r\n}\r\n"
                  "phs_tolvas{\r\nピー;\r\n}\r\nphs_tolva_num{\r\nindex=6\r\n00;\r\n}\r\n",
                  {"1:1 did you mean \"keitai_tolva_num080{\"?"},
                  true},
        CheckCase{"StrayTopLevelItems",
                  "stray\r\n# note, more\r\n}\r\nindex=0\r\n00;\r\n}\r\nkeitai_tolvas{\r\nA;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n00;\r\n}\r\n",
                  {"1:1 \"stray\" is outside any section", "2:9 a comma ends the comment before \"more\"",
                   "3:1 \"}\" closes no section", "4:1 \"index=0\" is outside any section: is a section key missing"}},
        CheckCase{"PrefixTableDrops",
                  "keitai_tolvas{\r\nA;\r\n}\r\nkeitai_tolva_num{\r\nx\r\nindex=1\r\n00,00,00,00,00,00,00,00,00,00,00,00;\r\n"
                  ";,;,;,;,;,;,;,;,;\r\n00\r\n00\r\n]\r\ny\r\nz\r\nindex=-1\r\n00\r\n]\r\nindex=10\r\n00;\r\n]\r\n}\r\n",
                  {"5:1 \"x\" comes before the first index line", "7:31 row 0 of index 1 has more than ten cells: \"00\"",
                   "9:1 \"00\" comes after the tenth row of index 1", "12:1 \"y\" comes after \"]\"",
                   "14:1 index -1 is below 0", "17:1 index 10 is past the last index 9 of \"keitai_tolva_num{\""}},
        CheckCase{"OperatorGroupsAndCodes",
                  "keitai_tolvas{\r\nA,B;\r\nC\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n00,01,02,27,0127,5,81,27;\r\n}\r\n",
                  {"3:1 operator group 1 has no \";\" before the end of the section",
                   "7:7 cell code \"02\" names operator 02, which \"keitai_tolvas{\" does not have",
                   "7:10 cell code \"27\" names operator 27, which \"keitai_tolvas{\" does not have (and 1 more cell)",
                   "7:13 cell code \"0127\" names operator 27", "7:18 cell code \"5\" is not two or four digits"}},
        CheckCase{"ExceptionLists",
                  "keitai_tolvas{\r\nA,B;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n40,40,40,01;\r\n}\r\nhash_keitai_tolva_num{\r\n"
                  "5,01\r\n1000,01,1001,00,1000,01\r\n123,01,1030,01\r\n1010,21,1011\r\n}\r\n",
                  {"6:7 cell holds the exception mark \"40\", but \"hash_keitai_tolva_num{\" has no number from 1020 to 1029",
                   "9:1 \"5\" is too short to be an exception number", "10:17 exception number \"1000\" repeats the one at 10:1",
                   "11:1 exception number \"123\" is not four digits", "11:8 \"1030\" is never searched: its cell holds \"01\"",
                   "12:6 exception code \"21\" names operator 21", "12:9 exception number \"1011\" has no code"}},
        CheckCase{"SectionsRunOnAndItemsMisread",
                  "keitai_tolvas{\r\nA;\r\nkeitai_tolva_num{\r\nindex=1\r\n00;\r\n}\r\nkeitai_tolvas{\r\n\"B\r\nC;\"\r\n\"D\"x,\\x81;\r\n}\r\n"
                  "hash_keitai_tolva_num{\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n00,",
                  {": no \"keitai_tolva_num080{\" section", ": no \"phs_tolva_num{\" section",
                   "3:1 \"keitai_tolva_num{\" opens no section: it is read as part of \"keitai_tolvas{\", which has no \"}\"",
                   "8:1 the quoted item \"B\uFFFD\uFFFDC;\" runs over a line end", "10:1 the text after the closing quote of \"D\"",
                   "10:6 invalid Shift-JIS: \"\uFFFD;\"", "14:1 section \"keitai_tolva_num{\" has no closing \"}\""},
                  true},
        CheckCase{"MissingSections",
                  "keitai_tolva_num080{\r\nindex=5\r\n00,40;\r\n}\r\n",
                  {": no \"keitai_tolvas{\" section: every 090 search answers キャリアが不明",
                   ": no \"keitai_tolva_num{\" section: every 090 search answers", ": no \"keitai_tolvas080{\" section: the codes of",
                   ": no \"phs_tolva_num{\" section: every 070 search answers",
                   "3:4 cell holds the exception mark \"40\", but there is no \"hash_keitai_tolva_num080{\" section"},
                  true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckCleanFiles, GiveNoWarning) {
    const std::string clean =
        "# every section with comments and placeholders and quoted items and both kinds of code\r\n"
        "keitai_tolvas{\r\n#,ドコモ,\"エーユー;\"\r\nソフト;\r\n}\r\n"
        "keitai_tolva_num{\r\nindex=1 [090-1000 to 090-1999\r\n01,02,40,81,0210,#,10;\r\n]\r\n# the rest is unknown\r\n}\r\n"
        "hash_keitai_tolva_num{\r\n1020,01\r\n1021,0210\r\n}\r\n" + std::string(kOther) +
        "hash_keitai_tolva_num080{\r\n}\r\n";
    const ProgramRun mine = RunWith({{"sorvane.dat", clean}}, {"--check"});
    EXPECT_EQ(mine.out, "sorvane.dat: no warnings\n");
    EXPECT_EQ(mine.exitCode, 0);
    const ProgramRun bundled = RunProgram(kProgram, {"--check", kBundled}, "", ".");
    EXPECT_EQ(bundled.out, kBundled + ": no warnings\n");
    EXPECT_EQ(bundled.exitCode, 0);
}

TEST(CheckManyFaults, KeepsTheFirstTenThousandWithAPlace) {
    std::string strays;
    for (int i = 0; i < 20000; ++i) strays += "x\r\n";
    const std::vector<std::string> lines = Lines(RunWith({{"sorvane.dat", strays}}, {"--check"}).out);
    ASSERT_EQ(lines.size(), 10004u + 1);
    EXPECT_TRUE(lines[0].starts_with("sorvane.dat: warning: no \"keitai_tolvas{\" section")) << lines[0];
    EXPECT_EQ(lines.back(), "sorvane.dat: 20004 warnings, the first 10004 found shown");
}

TEST(CheckUnreadableFile, ExitsWith2) {
    const ProgramRun run = RunWith({}, {"--check"});
    EXPECT_EQ(run.err, "milden-lookup: cannot read the data file sorvane.dat\n");
    EXPECT_EQ(run.exitCode, 2);
}

// ---- --dump ----

TEST(Dump, AgreesBlockForBlockWithRangeLookups) {
    const ProgramRun dump = RunProgram(kProgram, {"--dump", "--data", kBundled}, "", ".");
    ASSERT_EQ(dump.exitCode, 0);
    std::vector<std::string> expected{"range,block,answer"};
    for (const std::string range : {"090", "080", "070"}) {
        std::string digits;
        for (int block = 0; block < 10000; ++block) digits += std::to_string(10000 + block).substr(1) + "\n";
        const std::vector<std::string> boxes = Lines(RunProgram(kProgram, {"--data", kBundled, "--range", range}, digits, ".").out);
        ASSERT_EQ(boxes.size(), 20000u);
        for (int block = 0; block < 10000; ++block) {
            const std::string& name = boxes[static_cast<std::size_t>(2 * block + 1)];
            ASSERT_TRUE(name.ends_with("です。"));
            expected.push_back(range + "," + digits.substr(static_cast<std::size_t>(5 * block), 4) + "," +
                               name.substr(0, name.size() - std::string_view("です。").size()));
        }
    }
    EXPECT_TRUE(Lines(dump.out) == expected);
}

TEST(Dump, QuotesCsvFieldsAndWritesJsonLines) {
    const std::string names = "keitai_tolvas{\r\nsay \"hi\",\"two\r\nlines;\"\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\n00,01;\r\n}\r\n";
    const std::string csv = RunWith({{"sorvane.dat", names}}, {"--dump"}).out;
    EXPECT_TRUE(csv.starts_with("range,block,answer\n090,0000,\"say \"\"hi\"\"\"\n")) << csv.substr(0, 100);
    EXPECT_NE(csv.find("\n090,0009,\"say \"\"hi\"\"\"\n090,0010,\"two\r\nlines\"\n"), std::string::npos);
    EXPECT_NE(csv.find("\n090,0020,キャリアが不明\n"), std::string::npos);
    const std::vector<std::string> json = Lines(RunWith({{"x.dat", names}}, {"--dump", "--json", "x.dat"}).out);
    ASSERT_EQ(json.size(), 30000u);
    EXPECT_EQ(json[0], R"({"range":"090","block":"0000","answer":"say \"hi\""})");
    EXPECT_EQ(json[10], R"({"range":"090","block":"0010","answer":"two\r\nlines"})");
    EXPECT_EQ(json[29999], R"({"range":"070","block":"9999","answer":"キャリアが不明"})");
}

// ---- --diff ----

// The bundled file with the first cell of 090's index 1 changed from NTTドコモ (01) to ソフトバンク (04).
std::string BundledWithOneCellChanged() {
    std::string bytes = ReadWhole(kBundled);
    const std::size_t row = bytes.find('\n', bytes.find("index=1[090")) + 1;
    EXPECT_EQ(bytes.substr(row, 3), "01,");
    bytes.replace(row, 2, "04");
    return bytes;
}

TEST(Diff, OfAFileWithItselfIsEmpty) {
    const ProgramRun run = RunProgram(kProgram, {"--diff", kBundled, kBundled}, "", ".");
    EXPECT_EQ(run.out, "no answer changes\n");
    EXPECT_EQ(run.exitCode, 0);
}

TEST(Diff, OneCellChangedNamesExactlyItsBlockRun) {
    const TempDir dir;
    const std::string changed = dir.Write("new.dat", BundledWithOneCellChanged());
    const ProgramRun text = RunProgram(kProgram, {"--diff", kBundled, changed}, "", ".");
    EXPECT_EQ(text.out, "090-1000..090-1009: NTTドコモ -> ソフトバンク\nanswers change in 10 blocks (1 run)\n");
    EXPECT_EQ(text.exitCode, 1);
    const ProgramRun json = RunProgram(kProgram, {"--json", "--diff", changed, kBundled}, "", ".");
    EXPECT_EQ(json.out, R"({"first":"090-1000","last":"090-1009","old":"ソフトバンク","new":"NTTドコモ"})" "\n");
}

TEST(Diff, RunsSplitWhereTheChangeDiffers) {
    const std::string before = "keitai_tolvas{\r\nA,B;\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\n00,00,00;\r\n}\r\n";
    const std::string after = "keitai_tolvas{\r\nA,B,;\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\n01,01,02;\r\n}\r\n";
    const ProgramRun run = RunWith({{"a.dat", before}, {"b.dat", after}}, {"--diff", "a.dat", "b.dat"});
    EXPECT_EQ(run.out, "090-0000..090-0019: A -> B\n090-0020..090-0029: A -> \"\"\nanswers change in 30 blocks (2 runs)\n");
}

TEST(Diff, UnreadableFileExitsWith2) {
    const ProgramRun run = RunProgram(kProgram, {"--diff", kBundled, "/nonexistent/x.dat"}, "", ".");
    EXPECT_EQ(run.err, "milden-lookup: cannot read the data file /nonexistent/x.dat\n");
    EXPECT_EQ(run.exitCode, 2);
}

}  // namespace
}  // namespace milden::test_support

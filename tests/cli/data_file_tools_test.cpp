// milden-lookup --check, --dump and --diff, run as the real program on real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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
// Which diagnostic each kind of fault gives is tested on the checker itself (tests/check); here,
// how milden-lookup prints them, and its exit status.

// Ten rows of ten cells of code 01, and the 080 and 070 sections, correct.
std::string CorrectRest() {
    std::string rows;
    for (int r = 0; r < 10; ++r) rows += "01,01,01,01,01,01,01,01,01,01;\r\n";
    return "keitai_tolva_num{\r\nindex=1\r\n" + rows + "}\r\nkeitai_tolvas080{\r\nH,I;\r\n}\r\nkeitai_tolva_num080{\r\nindex=5\r\n" +
           rows + "}\r\nphs_tolvas{\r\nP,Q;\r\n}\r\nphs_tolva_num{\r\nindex=6\r\n" + rows + "}\r\n";
}

// An empty name (an error with a note) after a tab, half-width and wide characters, and a stray
// "}" (a warning).
const std::string kBroken = "keitai_tolvas{\r\n\tｱｲｳ,ドコモ,,B;\r\n}\r\n}\r\n" + CorrectRest();

TEST(Check, PrintsDiagnosticsNotesAndASummaryAsCompilersDo) {
    const ProgramRun run = RunWith({{"broken.dat", kBroken}}, {"--check", "broken.dat"});
    EXPECT_EQ(run.out,
              "broken.dat:2:20: error: empty name in operator group 0: it takes no position, so the names after it move one "
              "position forward [empty-name]\n"
              "broken.dat:2:21: note: \"B\" is read as operator 02\n"
              "broken.dat:4:1: warning: \"}\" closes no section [stray-item]\n"
              "broken.dat: 1 error, 1 warning\n");
    EXPECT_EQ(run.exitCode, 1);
}

TEST(Check, ExitsWith1OnlyForErrorsUnlessWarningsCountToo) {
    struct { std::vector<std::string> options; std::string summary; int exitCode; } cases[] = {
        {{"--ignore", "empty-name"}, "broken.dat: 0 errors, 1 warning\n", 0},
        {{"--ignore=stray-item,empty-name"}, "broken.dat: no errors or warnings\n", 0},
        {{"--ignore", "empty-name", "--werror"}, "broken.dat: 0 errors, 1 warning\n", 1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--check", "broken.dat"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ProgramRun run = RunWith({{"broken.dat", kBroken}}, args);
        EXPECT_TRUE(run.out.ends_with(c.summary)) << run.out;
        EXPECT_EQ(run.exitCode, c.exitCode) << c.options.back();
    }
    EXPECT_EQ(RunWith({{"broken.dat", kBroken}}, {"--check", "broken.dat", "--ignore", "no-such-code"}).exitCode, 2);
}

TEST(Check, ColumnsInDisplayColumnsBytesOrCharacters) {
    for (const auto& [unit, column] : {std::pair{"display", "2:20"}, {"byte", "2:13"}, {"char", "2:10"}}) {
        const ProgramRun run = RunWith({{"broken.dat", kBroken}}, {"--check", "--column-unit", unit, "broken.dat", "--json"});
        EXPECT_TRUE(run.out.starts_with(std::string(R"({"file":"broken.dat","line":2,"column":)") + (column + 2) + ",")) << run.out;
    }
}

TEST(Check, ColourAndTheSourceLineWithACaret) {
    const ProgramRun run = RunWith({{"broken.dat", kBroken}}, {"--check", "--color=always", "--ignore=stray-item", "broken.dat"});
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7u) << run.out;
    EXPECT_EQ(lines[0],
              "\33[01m\33[Kbroken.dat:2:20:\33[m\33[K \33[01;31m\33[Kerror:\33[m\33[K empty name in operator group 0: it takes "
              "no position, so the names after it move one position forward [\33[01;31m\33[Kempty-name\33[m\33[K]");
    EXPECT_EQ(lines[1], "    2 |         ｱｲｳ,ドコモ,,B;");
    EXPECT_EQ(lines[2], "      |                    \33[01;32m\33[K^\33[m\33[K");
    EXPECT_EQ(lines[3], "\33[01m\33[Kbroken.dat:2:21:\33[m\33[K \33[01;36m\33[Knote:\33[m\33[K \"B\" is read as operator 02");
    EXPECT_EQ(lines[5], "      |                     \33[01;32m\33[K^~\33[m\33[K");
}

TEST(Check, JsonLinesOnly) {
    const ProgramRun run = RunWith({{"broken.dat", kBroken}}, {"--check", "--json", "broken.dat"});
    EXPECT_EQ(run.out,
              R"({"file":"broken.dat","line":2,"column":20,"severity":"error","code":"empty-name","message":"empty name in )"
              R"(operator group 0: it takes no position, so the names after it move one position forward","notes":[{"line":2,)"
              R"("column":21,"message":"\"B\" is read as operator 02"}]})" "\n"
              R"({"file":"broken.dat","line":4,"column":1,"severity":"warning","code":"stray-item","message":"\"}\" closes no )"
              R"(section","notes":[]})" "\n");
    EXPECT_EQ(run.exitCode, 1);
}

TEST(Check, TheBundledFileIsClean) {
    const ProgramRun bundled = RunProgram(kProgram, {"--check", kBundled}, "", ".");
    EXPECT_EQ(bundled.out, kBundled + ": no errors or warnings\n");
    EXPECT_EQ(bundled.exitCode, 0);
}

// 70 MiB of junk: every kind is cut to 20 diagnostics and a count, and the read limit is an error.
TEST(Check, JunkPastTheReadLimitGivesAScreenful) {
    const TempDir dir;
    {
        std::ofstream out(dir.path() / "junk.dat", std::ios::binary);
        const std::string line = "junk" + std::string(1000, 'x') + "\x81,}\r\n";
        std::string chunk;
        while (chunk.size() < (1 << 20)) chunk += line;
        for (int mib = 0; mib < 70; ++mib) out << chunk;
    }
    const ProgramRun run = RunProgram(kProgram, {"--check", "junk.dat"}, "", dir.path());
    const std::vector<std::string> lines = Lines(run.out);
    EXPECT_LT(lines.size(), 80u);
    EXPECT_EQ(lines.front(), "junk.dat: error: only the first 64 MiB of the file are read: the rest is ignored [read-limit]");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.ends_with("[invalid-shift-jis]"); }), 21);
    EXPECT_NE(run.out.find("more diagnostics with this code not shown [stray-item]"), std::string::npos);
    EXPECT_EQ(run.exitCode, 1);
}

TEST(Check, SaysWhyAFileCannotBeRead) {
    const TempDir dir;
    std::filesystem::create_directory(dir.path() / "sorvane.dat");
    struct { std::vector<std::string> args; std::filesystem::path in; std::string err; } cases[] = {
        {{"--check"}, dir.path(), "milden-lookup: cannot read the data file sorvane.dat: it is a directory\n"},
        {{"--check", "none.dat"}, dir.path(), "milden-lookup: cannot read the data file none.dat: no such file\n"},
        {{"--dump", "none.dat"}, dir.path(), "milden-lookup: cannot read the data file none.dat: no such file\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunProgram(kProgram, c.args, "", c.in);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.exitCode, 2);
    }
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
    EXPECT_EQ(run.err, "milden-lookup: cannot read the data file /nonexistent/x.dat: no such file\n");
    EXPECT_EQ(run.exitCode, 2);
}

}  // namespace
}  // namespace milden::test_support

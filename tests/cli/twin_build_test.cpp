// Inputs on which milden-lookup and its twin from another build (milden-lookup.exe under Wine)
// must give the same bytes and exit status: every answer of the bundled file, diffs, ten thousand
// whole numbers on standard input, Japanese file names, and names that are no data file on one
// platform or the other. RunProgram does the comparing, so these run only when a twin is named.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "lookup/cp932.h"
#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace milden::test_support {
namespace {

class TwinBuild : public ::testing::Test {
protected:
    void SetUp() override {
        if (TwinProgram().empty()) GTEST_SKIP() << "no twin build named in MILDEN_LOOKUP_TWIN";
        std::ifstream in(MILDEN_BUNDLED_DATA_FILE, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        bundled_ = bytes.str();
        ASSERT_FALSE(bundled_.empty());
        dir_.Write("sorvane.dat", bundled_);
    }
    ProgramRun Run(const std::vector<std::string>& args, const std::string& input = {}, const char8_t* subdirectory = u8"",
                   TwinCompare compare = TwinCompare::Everything) {
        return RunProgram(MILDEN_LOOKUP_PROGRAM, args, input, dir_.path() / subdirectory, {}, compare);
    }

    TempDir dir_;
    std::string bundled_;
};

TEST_F(TwinBuild, DumpOfTheBundledFile) {
    EXPECT_EQ(Run({"--dump"}).exitCode, 0);
    EXPECT_EQ(Run({"--dump", "--json", "sorvane.dat"}).exitCode, 0);
    EXPECT_EQ(Run({"--check"}).exitCode, 0);
}

TEST_F(TwinBuild, DiffsOfTheBundledFile) {
    std::string without080Names = bundled_;
    without080Names.replace(without080Names.find("keitai_tolvas080{"), 17, "keitai_tolvas080X{");
    dir_.Write("changed.dat", without080Names);
    dir_.Write("empty.dat", "");
    EXPECT_EQ(Run({"--diff", "sorvane.dat", "changed.dat"}).exitCode, 1);
    EXPECT_EQ(Run({"--diff", "--json", "changed.dat", "sorvane.dat"}).exitCode, 1);
    EXPECT_EQ(Run({"--diff", "empty.dat", "sorvane.dat"}).exitCode, 1);
}

TEST_F(TwinBuild, TenThousandWholeNumbersOnStandardInput) {
    // Every form of a whole number, some unreadable, with CR LF and LF line ends and blank lines.
    const std::vector<std::string> forms = {"0{r}-{b}-5678", "0{r}{b}5678", "+81 {s}-{b}-0000", "+81{s}{b}1111",
                                            "0{r}-{b}", " 0{r} {b} 9999 ", "03-{b}-5678", "0{r}-12",
                                            "０９０−１２３４", "0{r}-{b}-5678\xFF"};
    std::mt19937 random(20);
    std::string input;
    for (int i = 0; i < 10000; ++i) {
        std::string line = forms[random() % forms.size()];
        const std::string range = std::vector<std::string>{"90", "80", "70"}[random() % 3];
        const std::string block = std::to_string(1000 + random() % 9000);
        for (const auto& [mark, text] : {std::pair{"{r}", range}, {"{s}", range}, {"{b}", block}})
            if (const auto at = line.find(mark); at != std::string::npos) line.replace(at, 3, text);
        input += line + (i % 3 == 0 ? "\r\n" : "\n") + (i % 500 == 0 ? "\n" : "");
    }
    EXPECT_EQ(Run({}, input).exitCode, 1);
    EXPECT_EQ(Run({"--json"}, input).exitCode, 1);
}

TEST_F(TwinBuild, JapaneseFileAndDirectoryNames) {
    dir_.Write("山田.dat", EncodeCp932("keitai_tolvas{\r\nドコモ;\r\n}\r\nstray\r\n"));
    EXPECT_EQ(Run({"--check", "山田.dat"}).exitCode, 1);
    EXPECT_EQ(Run({"--data", "山田.dat", "090-1234"}).exitCode, 0);
    EXPECT_EQ(Run({"--dump", "ミルデン.dat"}).exitCode, 2);
    // sorvane.dat found in a current directory with a Japanese name.
    std::filesystem::create_directory(dir_.path() / u8"ミルデン");
    std::filesystem::copy_file(dir_.path() / "sorvane.dat", dir_.path() / u8"ミルデン" / "sorvane.dat");
    EXPECT_EQ(Run({"090-1234", "070-5123"}, {}, u8"ミルデン").exitCode, 0);
    EXPECT_EQ(Run({"--check"}, {}, u8"ミルデン").exitCode, 0);
}

TEST_F(TwinBuild, NamesThatAreNoDataFile) {
    // Devices and consoles on Windows, missing names on Linux (so the reasons given differ); the
    // current directory on both.
    for (const std::string name : {"NUL", "CON", "nul.dat", "CONIN$", "."}) {
        const TwinCompare compare = name == "." ? TwinCompare::Everything : TwinCompare::ExitStatus;
        EXPECT_EQ(Run({"--check", name}, {}, u8"", compare).exitCode, 2) << name;
        EXPECT_EQ(Run({"--data", name, "0901234"}, {}, u8"", compare).exitCode, 2) << name;
    }
}

}  // namespace
}  // namespace milden::test_support

// The pieces of milden-lookup that the end-to-end tests reach only roughly: UTF-8 edge cases,
// option parsing and line splitting across read blocks.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/json_text.h"
#include "cli/line_reader.h"
#include "tests/support/temp_dir.h"
#include "check/display_text.h"

namespace milden::cli {
namespace {

TEST(Utf8, DecodesEveryLengthAndSurrogatePairs) {
    EXPECT_EQ(Utf8ToUtf16("a\xC3\xA9\xE3\x83\x9F\xF0\x9F\x93\x9E"), std::u16string(u"aéミ\U0001F4DE"));
    EXPECT_EQ(Utf16ToUtf8(u"aéミ\U0001F4DE"), "a\xC3\xA9\xE3\x83\x9F\xF0\x9F\x93\x9E");
}

TEST(Utf8, EachBadByteBecomesOneReplacement) {
    struct { const char* name; std::string bytes; std::u16string decoded; } cases[] = {
        {"stray trail byte", "a\x80z", u"a\uFFFDz"},
        {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"cut short at the end", "x\xE3\x83", u"x\uFFFD\uFFFD"},
        {"lead before ASCII", "\xE3" "a", u"\uFFFDa"},
        {"0xFF", "\xFF", u"\uFFFD"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.bytes), c.decoded) << c.name;
}

TEST(Utf8, LoneSurrogatesEncodeAsReplacement) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b', char16_t(0xDC00)}), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

// Inputs are checked eight bytes at a time for what JSON must escape: each kind of byte, at every
// place of strings around a word's length, comes out as one character at a time would write it.
TEST(JsonText, EscapesEveryByteKindAtEveryPlace) {
    const auto expected = [](std::string_view bytes) {
        std::string out = "\"";
        for (const char16_t c : Utf8ToUtf16(bytes)) {
            if (c == u'"' || c == u'\\') {
                (out += '\\') += static_cast<char>(c);
            } else if (c < 0x20) {
                out += c == u'\t' ? std::string("\\t") : "\\u00" + std::string{"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 0xF]};
            } else {
                out += Utf16ToUtf8(std::u16string(1, c));
            }
        }
        return out + "\"";
    };
    for (const std::string_view odd : {"\"", "\\", "\x1f", "\t", "\x7f", "\xc3\xa9", "\xff"}) {
        for (std::size_t size = 1; size <= 17; ++size) {
            for (std::size_t at = 0; at < size; ++at) {
                std::string bytes(size, 'a');
                bytes.replace(at, 1, odd);
                std::string out;
                AppendJsonStringOfBytes(out, bytes);
                EXPECT_EQ(out, expected(bytes)) << "size " << size << " at " << at;
            }
        }
    }
}

TEST(Utf8, DisplayTextKeepsTabsAndReplacesControls) {
    EXPECT_EQ(ToDisplayUtf8(u"a\tb\x1b[0m\r\n\x7f\x9b\u00A0"), "a\tb\uFFFD[0m\uFFFD\uFFFD\uFFFD\uFFFD\u00A0");
}

CommandLine Parse(std::vector<const char*> args) { return ParseCommandLine(args); }

TEST(CommandLineTest, OptionsInAnyOrder) {
    const CommandLine line = Parse({"1234", "--json", "--data", "x.dat", "--range", "080", "5678"});
    EXPECT_EQ(line.action, CommandLine::Action::Lookup);
    EXPECT_TRUE(line.json);
    EXPECT_EQ(line.dataFile, "x.dat");
    EXPECT_EQ(line.range, Range::k080);
    EXPECT_EQ(line.inputs, (std::vector<std::string>{"1234", "5678"}));
}

TEST(CommandLineTest, DoubleDashMakesOptionsInputs) {
    const CommandLine line = Parse({"--range=070", "--", "--json", "-1", "--help"});
    EXPECT_EQ(line.action, CommandLine::Action::Lookup);
    EXPECT_FALSE(line.json);
    EXPECT_EQ(line.range, Range::kPhs);
    EXPECT_EQ(line.inputs, (std::vector<std::string>{"--json", "-1", "--help"}));
}

TEST(CommandLineTest, LastRangeAndDataWin) {
    const CommandLine line = Parse({"--range", "090", "--range", "070", "--data=a", "--data", "b"});
    EXPECT_EQ(line.range, Range::kPhs);
    EXPECT_EQ(line.dataFile, "b");
}

TEST(CommandLineTest, UsageErrorsOfTheOptionForms) {
    for (const std::vector<const char*>& args : {std::vector<const char*>{"-"}, {"--range=080-"}, {"--data="}, {"--json=yes"}}) {
        const CommandLine line = Parse(args);
        EXPECT_EQ(line.action, CommandLine::Action::UsageError) << args[0];
        EXPECT_FALSE(line.error.empty()) << args[0];
    }
}

TEST(CommandLineTest, ModesTakeTheirFiles) {
    const CommandLine check = Parse({"--check", "a.dat"});
    EXPECT_EQ(check.action, CommandLine::Action::Check);
    EXPECT_EQ(check.dataFile, "a.dat");
    EXPECT_TRUE(check.inputs.empty());
    const CommandLine dump = Parse({"--json", "--data", "b.dat", "--dump"});
    EXPECT_EQ(dump.action, CommandLine::Action::Dump);
    EXPECT_EQ(dump.dataFile, "b.dat");
    EXPECT_TRUE(dump.json);
    const CommandLine diff = Parse({"old.dat", "--diff", "new.dat"});
    EXPECT_EQ(diff.action, CommandLine::Action::Diff);
    EXPECT_EQ(diff.inputs, (std::vector<std::string>{"old.dat", "new.dat"}));
}

TEST(CommandLineTest, ModesRefuseWhatDoesNotApply) {
    for (const std::vector<const char*>& args :
         {std::vector<const char*>{"--check", "--dump"}, {"--dump", "--werror"}, {"--dump", "--range", "090"},
          {"--check", "a", "b"}, {"--dump", "a", "--data", "b"}, {"--diff", "a"}, {"--diff", "a", "b", "c"},
          {"--diff", "--data", "a", "b", "c"}}) {
        const CommandLine line = Parse(args);
        EXPECT_EQ(line.action, CommandLine::Action::UsageError) << args[0] << " " << args[1];
        EXPECT_FALSE(line.error.empty());
    }
}

TEST(CommandLineTest, HelpAndVersionWinBeforeDoubleDash) {
    EXPECT_EQ(Parse({"--nonsense", "--version"}).action, CommandLine::Action::Version);
    EXPECT_EQ(Parse({"--version", "--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(Parse({"--range", "070", "--", "--help"}).action, CommandLine::Action::Lookup);
}

// Reads every line of bytes through a real file descriptor.
std::vector<std::string> ReadLines(const std::string& bytes, std::size_t maxLine) {
    const milden::test_support::TempDir dir;
    const int fd = ::open(dir.Write("in", bytes).c_str(), O_RDONLY);
    LineReader reader(fd, maxLine);
    std::vector<std::string> lines;
    std::string_view line;
    for (LineReader::Result r; (r = reader.Next(line)) != LineReader::Result::End;) {
        lines.push_back(r == LineReader::Result::TooLong ? "<too long>" : std::string(line));
    }
    ::close(fd);
    return lines;
}

TEST(LineReaderTest, LineEnds) {
    struct { const char* name; std::string bytes; std::vector<std::string> lines; } cases[] = {
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR", "a\rb", {"a", "b"}},
        {"CR CR is an empty line", "a\r\rb", {"a", "", "b"}},
        {"LF CR", "a\n\rb", {"a", "", "b"}},
        {"lone CRs before an LF", "a\rb\rc\nd\n", {"a", "b", "c", "d"}},
        {"CR LF after lone CRs", "a\rb\r\nc", {"a", "b", "c"}},
        {"no line end at the end", "a", {"a"}},
        {"nothing", "", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadLines(c.bytes, 100), c.lines) << c.name;
}

TEST(LineReaderTest, CrLfSplitAcrossReadBlocks) {
    const std::string first(65535, 'x');  // the CR is the last byte of the first 64 KiB block
    EXPECT_EQ(ReadLines(first + "\r\nb\n", 1 << 20), (std::vector<std::string>{first, "b"}));
}

TEST(LineReaderTest, LineLongerThanTheLimitIsSkippedWhole) {
    EXPECT_EQ(ReadLines("abcd\nabcde\r\nz\n", 4), (std::vector<std::string>{"abcd", "<too long>", "z"}));
    const std::string big(200000, 'y');  // longer than one read block, and than the limit
    EXPECT_EQ(ReadLines(big + "\nz", 100000), (std::vector<std::string>{"<too long>", "z"}));
    EXPECT_EQ(ReadLines(big + "\nz", 200000), (std::vector<std::string>{big, "z"}));
}

}  // namespace
}  // namespace milden::cli

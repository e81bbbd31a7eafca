// Runs the real milden-lookup on real data files in temporary directories.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <sstream>
#include <utility>
#include <ostream>
#include <string>
#include <vector>

#include "tests/cli/run_program.h"
#include "lookup/cp932.h"
#include "tests/support/temp_dir.h"
#include "tests/support/whole_number_forms.h"
#include "version.h"

namespace milden::test_support {
namespace {

const std::string kProgram = MILDEN_LOOKUP_PROGRAM;

// Operators of every range, a 090 exception naming two of them, and cells for each kind of answer.
constexpr std::string_view kData =
    "# test data\r\n"
    "keitai_tolvas{\r\nドコモ,エーユー;\r\nソフト;\r\n}\r\n"
    "keitai_tolva_num{\r\nindex=1\r\n00,01,10,40;\r\n}\r\n"
    "hash_keitai_tolva_num{\r\n1030,0110\r\n}\r\n"
    "keitai_tolvas080{\r\nハチマル;\r\n}\r\n"
    "keitai_tolva_num080{\r\nindex=5\r\n00;\r\n}\r\n"
    "phs_tolvas{\r\nピー;\r\n}\r\n"
    "phs_tolva_num{\r\nindex=6\r\n00;\r\n}\r\n";

// Operator names that JSON must escape: quotes, a backslash, a tab, other control characters
// and, through a quoted item, a CR LF inside the name.
constexpr std::string_view kAwkwardNames =
    "keitai_tolvas{\r\nsay \"hi\",back\\slash,tab\tin,bell\x07x\x1b[31m,\"two\r\nlines\",end;\r\n}\r\n"
    "keitai_tolva_num{\r\nindex=0\r\n00,01,02,03,04;\r\n}\r\n";

std::string Answer090(std::string_view digits, std::string_view name) {
    return "090-" + std::string(digits) + "-****の携帯電話のキャリアは\n" + std::string(name) + "です。\n";
}

const std::string kWarning1 =
    "数字以外の文字が入力されているか、\n全角数字が入力されています。\n"
    "電話番号の入力は半角数字４文字でお願いします。\n"
    "この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。\n";
const std::string kWarning2 =
    "入力された電話番号は４文字未満です。\n電話番号の入力は半角数字４文字でお願いします。\n"
    "この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。\n";

const std::string kNoDefaultFile = "milden-lookup: cannot read the data file sorvane.dat: no such file; every answer is unknown\n";

std::string NumberError(std::string_view input, std::string_view message) {
    return "milden-lookup: \"" + std::string(input) + "\": " + std::string(message) + "\n";
}

std::string UsageError(std::string_view message) {
    return "milden-lookup: " + std::string(message) + "\nTry 'milden-lookup --help'.\n";
}

// Runs the program in a fresh directory holding data (encoded to code page 932) as sorvane.dat,
// or no sorvane.dat at all when data is nothing.
ProgramRun RunIn(std::optional<std::string_view> data, const std::vector<std::string>& args,
                 const std::string& input = {}) {
    const TempDir dir;
    if (data) dir.Write("sorvane.dat", EncodeCp932(*data));
    return RunProgram(kProgram, args, input, dir.path());
}

struct CliCase {
    const char* name;
    friend void PrintTo(const CliCase& c, std::ostream* os) { *os << c.name; }
    std::vector<std::string> args;
    std::string input;  // standard input
    std::string out;
    std::string err;
    int exitCode;
    bool withData = true;
};

class MildenLookup : public ::testing::TestWithParam<CliCase> {};

TEST_P(MildenLookup, PrintsExactlyAndExitsWithItsStatus) {
    const CliCase& c = GetParam();
    const ProgramRun run = RunIn(c.withData ? std::optional(kData) : std::nullopt, c.args, c.input);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.exitCode, c.exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    WholeNumbers, MildenLookup,
    ::testing::Values(
        CliCase{"DashedNumber", {"090-1000-5678"}, "", Answer090("1000", "ドコモ"), "", 0},
        CliCase{"PlainDigits", {"09010105678"}, "", Answer090("1010", "エーユー"), "", 0},
        CliCase{"SpacedNumber", {"090 1020 5678"}, "", Answer090("1020", "ソフト"), "", 0},
        CliCase{"CountryCodeSpaced", {"+81 90-1000-5678"}, "", Answer090("1000", "ドコモ"), "", 0},
        CliCase{"CountryCodeCompact", {"+819010105678"}, "", Answer090("1010", "エーユー"), "", 0},
        CliCase{"FirstPartDashed", {"090-1000"}, "", Answer090("1000", "ドコモ"), "", 0},
        CliCase{"FirstPartPlain", {"0901010"}, "", Answer090("1010", "エーユー"), "", 0},
        CliCase{"ExceptionNamesTwoOperators", {"090-1030-0000"}, "", Answer090("1030", "エーユーかソフト"), "", 0},
        CliCase{"Range080", {"080-5000-1234"}, "", "080-5000-****の携帯電話のキャリアは\nハチマルです。\n", "", 0},
        CliCase{"RangePhs", {"070-6000-1234"}, "", "070-6000-****のPHSのキャリアは\nピーです。\n", "", 0},
        CliCase{"Range080PastItsTable", {"08060001234"}, "", "080-6000-****の携帯電話のキャリアは\nキャリアが不明です。\n", "", 0},
        CliCase{"SeveralNumbersInOrder", {"0901010", "0901000"}, "", Answer090("1010", "エーユー") + Answer090("1000", "ドコモ"), "", 0},
        CliCase{"LandlineIsAnError", {"03-1234-5678"}, "", "", NumberError("03-1234-5678", kNotInRange), 1},
        CliCase{"CountryCodeWithTrunkZero", {"+81 090-1000"}, "", Answer090("1000", "ドコモ"), "", 0},
        CliCase{"ThreeDigitsAfterRangeIsAnError", {"090-123"}, "", "", NumberError("090-123", "fewer than four digits follow 090"), 1},
        CliCase{"TooManyDigitsIsAnError", {"090-1234-5678-9"}, "", "",
                NumberError("090-1234-5678-9", "more than eight digits follow 090: too long for a mobile or PHS number"), 1},
        CliCase{"LetterIsAnError", {"090-12a4-5678"}, "", "",
                NumberError("090-12a4-5678", kNotReadable), 1},
        CliCase{"OtherCountryIsAnError", {"+1 212 555 0100"}, "", "",
                NumberError("+1 212 555 0100", kOtherCountry), 1},
        CliCase{"EmptyNumberIsAnError", {""}, "", "", NumberError("", "no digits to read"), 1},
        CliCase{"ErrorDoesNotStopTheNextInput", {"0312", "0901000"}, "", Answer090("1000", "ドコモ"), NumberError("0312", kNotInRange), 1},
        CliCase{"ControlCharactersOfAnInputAreNotEchoed", {"\x1b[2J"}, "", "",
                NumberError("\uFFFD[2J", kNotReadable), 1}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, MildenLookup,
    ::testing::Values(
        CliCase{"FourDigits", {"--range", "090", "1000"}, "", Answer090("1000", "ドコモ"), "", 0},
        CliCase{"TrimmedOfSpaces", {"--range", "090", "  1010  "}, "", Answer090("1010", "エーユー"), "", 0},
        CliCase{"FiveCharactersUseTheFirstFour", {"--range", "090", "10001"}, "", Answer090("10001", "ドコモ"), "", 0},
        CliCase{"SignCountsAsDigitZero", {"--range", "090", "+123"}, "", Answer090("+123", "キャリアが不明"), "", 0},
        CliCase{"ThreeDigitsIsWarning2", {"--range", "090", "123"}, "", kWarning2, "", 0},
        CliCase{"DecimalPointIsWarning1", {"--range", "080", "1.23"}, "", kWarning1, "", 0},
        CliCase{"LettersBeforeLengthIsWarning1", {"--range", "070", "12x"}, "", kWarning1, "", 0},
        CliCase{"FullWidthDigitsIsWarning1", {"--range", "070", "６０００"}, "", kWarning1, "", 0},
        CliCase{"EmptyTextShowsNothing", {"--range", "090", ""}, "", "", "", 0},
        CliCase{"OnlySpacesShowsNothing", {"--range", "090", "   "}, "", "", "", 0},
        CliCase{"DoubleDashLetsATextBeginWithMinus", {"--range", "080", "--", "-123"}, "",
                "080--123-****の携帯電話のキャリアは\nキャリアが不明です。\n", "", 0},
        CliCase{"RangeWithEqualsSign", {"--range=070", "6000"}, "", "070-6000-****のPHSのキャリアは\nピーです。\n", "", 0},
        CliCase{"OptionAfterTheTexts", {"1000", "--range", "090"}, "", Answer090("1000", "ドコモ"), "", 0},
        CliCase{"SeveralTextsInOrder", {"--range", "090", "12", "1020"}, "", kWarning2 + Answer090("1020", "ソフト"), "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    StandardInput, MildenLookup,
    ::testing::Values(
        CliCase{"CrLfAndBlankLines", {}, "0901000\r\n\r\n   \r\n\t\r\n0901010\r\n", Answer090("1000", "ドコモ") + Answer090("1010", "エーユー"), "", 0},
        CliCase{"LastLineWithoutLineEnd", {}, "0901000\n0901010", Answer090("1000", "ドコモ") + Answer090("1010", "エーユー"), "", 0},
        CliCase{"LoneCarriageReturns", {}, "0901000\r0901010\r", Answer090("1000", "ドコモ") + Answer090("1010", "エーユー"), "", 0},
        CliCase{"ByteOrderMarkAtTheStart", {}, "\xEF\xBB\xBF" "0901000\n", Answer090("1000", "ドコモ"), "", 0},
        CliCase{"ErrorLineDoesNotStopTheRest", {}, "0312\n0901000\n", Answer090("1000", "ドコモ"), NumberError("0312", kNotInRange), 1},
        CliCase{"TextLinesWithRange", {"--range", "090"}, " 1000 \r\n12\r\n", Answer090("1000", "ドコモ") + kWarning2, "", 0},
        CliCase{"DoubleDashAloneReadsStandardInput", {"--"}, "0901020\n", Answer090("1020", "ソフト"), "", 0},
        CliCase{"EmptyInputAnswersNothing", {}, "", "", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    UsageAndData, MildenLookup,
    ::testing::Values(
        CliCase{"UnknownOption", {"--jsn", "0901000"}, "", "", UsageError("unknown option --jsn"), 2},
        CliCase{"BadRangeValue", {"--range", "090-", "1000"}, "", "", UsageError("--range must be 090, 080 or 070, not 090-"), 2},
        CliCase{"RangeWithoutValue", {"1000", "--range"}, "", "", UsageError("--range needs a value"), 2},
        CliCase{"DataWithoutValue", {"--data"}, "", "", UsageError("--data needs a value"), 2},
        CliCase{"NamedDataFileMissing", {"--data", "missing.dat", "0901000"}, "", "",
                "milden-lookup: cannot read the data file missing.dat: no such file\n", 2},
        CliCase{"NamedDataFileIsADirectory", {"--data", ".", "0901000"}, "", "", "milden-lookup: cannot read the data file .: it is a directory\n", 2},
        CliCase{"NamedDataFileIsReadFromItsPath", {"--data=sorvane.dat", "0901000"}, "", Answer090("1000", "ドコモ"), "", 0},
        CliCase{"Version", {"--version"}, "", "milden-lookup " MILDEN_VERSION "\n", "", 0},
        // Answered as the window answers without its file, but said once and not exit status 0.
        CliCase{"MissingDefaultFileAnswersUnknown090", {"0901000", "0901010"}, "",
                Answer090("1000", "キャリアが不明") + Answer090("1010", "キャリアが不明"), kNoDefaultFile, 2, false},
        CliCase{"MissingDefaultFileAnswersUnknownPhs", {"--range", "070", "6000"}, "",
                "070-6000-****のPHSのキャリアは\nキャリアが不明です。\n", kNoDefaultFile, 2, false},
        CliCase{"MissingDefaultFileStillReportsUnreadableInput", {}, "0312\n", "", kNoDefaultFile + NumberError("0312", kNotInRange), 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Every form of the reader's table through the program, all as arguments (JSON Lines) and all on
// standard input (text): each read form answers with the header of its range and four digits,
// each refused one gets its reason. Under the Windows build's twin both runs give the same bytes.
TEST(MildenLookupForms, EveryFormAsArgumentsAndOnStandardInput) {
    std::vector<std::string> args = {"--json", "--"};
    std::string lines;
    for (const WholeNumberForm& form : kWholeNumberForms) {
        args.emplace_back(form.input);
        lines += std::string(form.input) + "\n";
    }
    const ProgramRun asArguments = RunIn(kData, args);
    const ProgramRun onInput = RunIn(kData, {}, lines);
    EXPECT_EQ(asArguments.exitCode, 1);
    EXPECT_EQ(onInput.exitCode, 1);

    std::istringstream json(asArguments.out);
    std::istringstream text(onInput.out);
    std::string expectedErrors;
    for (const WholeNumberForm& form : kWholeNumberForms) {
        std::string jsonLine, header, nameLine;
        std::getline(json, jsonLine);
        if (form.IsRead()) {
            std::getline(text, header);
            std::getline(text, nameLine);
            EXPECT_NE(jsonLine.find("\"lines\":[\"" + std::string(form.read) + "-****"), std::string::npos) << form.name;
            EXPECT_TRUE(header.starts_with(std::string(form.read) + "-****")) << form.name << ": " << header;
        } else {
            std::string reason(form.read);
            for (std::size_t at = 0; (at = reason.find('"', at)) != std::string::npos; at += 2) reason.insert(at, "\\");
            EXPECT_NE(jsonLine.find("\"error\":\"" + reason + "\"}"), std::string::npos) << form.name << ": " << jsonLine;
            expectedErrors += NumberError(form.input, form.read);
        }
    }
    EXPECT_EQ(onInput.err, expectedErrors);
}

TEST(MildenLookupData, NamedFileWinsOverTheCurrentDirectory) {
    const TempDir dir;
    dir.Write("sorvane.dat", EncodeCp932(kData));
    const TempDir other;
    const std::string named = other.Write("other.dat", EncodeCp932("keitai_tolvas{\r\n別会社;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n00;\r\n}\r\n"));
    const ProgramRun run = RunProgram(kProgram, {"--data", named, "0901000"}, "", dir.path());
    EXPECT_EQ(run.out, Answer090("1000", "別会社"));
    EXPECT_EQ(run.exitCode, 0);
}

TEST(MildenLookupData, DefaultFileThatIsADirectoryIsSaid) {
    const TempDir dir;
    std::filesystem::create_directory(dir.path() / "sorvane.dat");
    const ProgramRun run = RunProgram(kProgram, {"0901000"}, "", dir.path());
    EXPECT_EQ(run.out, Answer090("1000", "キャリアが不明"));
    EXPECT_EQ(run.err, "milden-lookup: cannot read the data file sorvane.dat: it is a directory; every answer is unknown\n");
    EXPECT_EQ(run.exitCode, 2);
}

TEST(MildenLookupHelp, PrintsUsageWithTheInstalledDataFile) {
    for (const char* option : {"--help", "-h"}) {
        // --help wins over an option that would be a usage error.
        const ProgramRun run = RunIn(kData, {"--bogus", option});
        EXPECT_TRUE(run.out.starts_with("Usage:\n  milden-lookup [--data FILE] [--json] --range 090|080|070 TEXT...\n")) << run.out;
        EXPECT_NE(run.out.find("--data /usr/share/milden/sorvane.dat"), std::string::npos);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.exitCode, 0);
    }
}

TEST(MildenLookupOutput, WriteFailureIsReportedNotHidden) {
    const TempDir dir;
    dir.Write("sorvane.dat", EncodeCp932(kData));
    const ProgramRun run = RunProgram(kProgram, {"0901000"}, "", dir.path(), "/dev/full");
    EXPECT_EQ(run.err, "milden-lookup: cannot write the output\n");
    EXPECT_EQ(run.exitCode, 3);
}

TEST(MildenLookupStandardInput, ThousandsOfLinesAnswerInOrder) {
    std::string input;
    std::string expected;
    for (int i = 1000; i < 10000; ++i) {  // 080-0 is the free-dial 0800, refused
        const std::string digits = std::to_string(i);
        input += "080-" + digits + "-0000\r\n";
        expected += "080-" + digits + "-****の携帯電話のキャリアは\n" +
                    (digits.starts_with("500") ? "ハチマル" : "キャリアが不明") + "です。\n";
    }
    const ProgramRun run = RunIn(kData, {}, input);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.exitCode, 0);
}

TEST(MildenLookupStandardInput, HugeLineIsSkippedAndTheNextOneAnswered) {
    const std::string huge(3 << 20, '1');
    const ProgramRun run = RunIn(kData, {}, huge + "\n0901000\n");
    EXPECT_EQ(run.out, Answer090("1000", "ドコモ"));
    EXPECT_EQ(run.err, "milden-lookup: line 1: longer than 1 MiB, skipped\n");
    EXPECT_EQ(run.exitCode, 1);
}

TEST(MildenLookupStandardInput, LongTextWithinTheLimitIsAnsweredWhole) {
    const std::string text = "1000" + std::string(500000, '7');
    const ProgramRun run = RunIn(kData, {"--range", "090"}, text + "\n");
    EXPECT_EQ(run.out, Answer090(text, "ドコモ"));
    EXPECT_EQ(run.exitCode, 0);
}

TEST(MildenLookupText, ControlCharactersFromTheDataFileCannotReachTheTerminal) {
    const ProgramRun run = RunIn(kAwkwardNames, {"0900030", "0900040"});
    EXPECT_EQ(run.out, Answer090("0030", "bell\uFFFDx\uFFFD[31m") +
                           "090-0040-****の携帯電話のキャリアは\ntwo\n\uFFFDlinesです。\n");
}

// Whole numbers print each block's box through the lookup once and keep what it differs by from
// an earlier box; typed texts go through the lookup each time. Every block of every range, twice,
// must come out the same both ways, here on a file with exceptions, two-name codes, names that
// JSON must escape or that look like a header, and a name too long for its box to be kept.
TEST(MildenLookupBatch, WholeNumbersAnswerEveryBlockAsTypedTexts) {
    const std::string kVaried =
        "keitai_tolvas{\r\n\"090-0000 \"\"q\",B\\t;\r\n" + std::string(300, 'L') + ";\r\n}\r\n"
        "keitai_tolva_num{\r\nindex=0\r\n00,01,0100,40,81,10;\r\nindex=9\r\n01,40;\r\n}\r\n"
        "hash_keitai_tolva_num{\r\n0033,01,0037,0100,9011,00\r\n}\r\n"
        "keitai_tolva_num080{\r\nindex=5\r\n00;\r\n}\r\nphs_tolvas{\r\nピー;\r\n}\r\nphs_tolva_num{\r\nindex=6\r\n00,30;\r\n}\r\n";
    std::string numbers;
    std::array<std::string, 3> digitsOfRange;
    for (const auto& [range, digits] : {std::pair{0, "090"}, {1, "080"}, {2, "070"}}) {
        for (int block = 0; block < 10000; ++block) {
            if (range == 1 && block < 1000) continue;  // 080-0 is the free-dial 0800, which a whole number cannot be
            const std::string four = std::to_string(10000 + block).substr(1);
            numbers += std::string(digits) + "-" + four + "-5678\n";
            digitsOfRange[static_cast<std::size_t>(range)] += four + "\n";
        }
    }
    for (const bool json : {false, true}) {
        const std::vector<std::string> format = json ? std::vector<std::string>{"--json"} : std::vector<std::string>{};
        const ProgramRun whole = RunIn(kVaried, format, numbers + numbers);
        std::string typed;
        for (const auto& [range, digits] : {std::pair{0, "090"}, {1, "080"}, {2, "070"}}) {
            std::vector<std::string> args = format;
            args.insert(args.end(), {"--range", digits});
            typed += RunIn(kVaried, args, digitsOfRange[static_cast<std::size_t>(range)]).out;
        }
        typed += typed;
        std::string wholeBoxes = whole.out;
        if (json) {  // the inputs differ: compare what follows them
            const auto boxesOnly = [](const std::string& lines) {
                std::string boxes;
                for (std::size_t at = 0; at < lines.size();) {
                    const std::size_t end = lines.find('\n', at) + 1;
                    const std::size_t shown = lines.find(",\"shown\"", at);
                    boxes.append(lines, shown, end - shown);
                    at = end;
                }
                return boxes;
            };
            wholeBoxes = boxesOnly(whole.out);
            typed = boxesOnly(typed);
        }
        EXPECT_EQ(whole.exitCode, 0);
        EXPECT_TRUE(wholeBoxes == typed) << (json ? "JSON" : "text");
    }
}

// ---- JSON Lines ----

std::string JsonAnswer(std::string_view input, std::string_view digits, std::string_view nameLine) {
    return R"({"input":")" + std::string(input) + R"(","shown":true,"icon":"information","title":"ミルデン","lines":["090-)" +
           std::string(digits) + R"(-****の携帯電話のキャリアは",")" + std::string(nameLine) + "\"]}\n";
}

const std::string kWarning2Json =
    R"("icon":"warning","title":null,"lines":["入力された電話番号は４文字未満です。","電話番号の入力は半角数字４文字でお願いします。",)"
    R"("この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。"]})" "\n";
const std::string kWarning1Json =
    R"("icon":"warning","title":null,"lines":["数字以外の文字が入力されているか、","全角数字が入力されています。",)"
    R"("電話番号の入力は半角数字４文字でお願いします。","この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。"]})" "\n";

INSTANTIATE_TEST_SUITE_P(
    Json, MildenLookup,
    ::testing::Values(
        CliCase{"AnswerWithTitleAndLines", {"--json", "090-1000-5678"}, "", JsonAnswer("090-1000-5678", "1000", "ドコモです。"), "", 0},
        CliCase{"WarningHasNullTitle", {"--json", "--range", "090", "12"}, "", R"({"input":"12","shown":true,)" + kWarning2Json, "", 0},
        CliCase{"InputIsKeptBeforeTrimming", {"--range", "090", "--json", " 1000 "}, "", JsonAnswer(" 1000 ", "1000", "ドコモです。"), "", 0},
        CliCase{"EmptyTextIsNotShown", {"--json", "--range", "090", ""}, "", "{\"input\":\"\",\"shown\":false}\n", "", 0},
        CliCase{"UnreadableNumberCarriesItsError", {"--json", "0312", "0901010"}, "",
                R"({"input":"0312","shown":false,"error":")" + std::string(kNotInRange) + "\"}\n" + JsonAnswer("0901010", "1010", "エーユーです。"),
                NumberError("0312", kNotInRange), 1},
        CliCase{"StandardInputLinesWithoutTheirLineEnds", {"--json"}, "0901000\r\n\r\n0901010\r\n",
                JsonAnswer("0901000", "1000", "ドコモです。") + JsonAnswer("0901010", "1010", "エーユーです。"), "", 0},
        CliCase{"TooLongLineHasNullInput", {"--json"}, std::string(2 << 20, '0') + "\n",
                "{\"input\":null,\"shown\":false,\"error\":\"longer than 1 MiB, skipped\"}\n",
                "milden-lookup: line 1: longer than 1 MiB, skipped\n", 1},
        CliCase{"InputOfInvalidUtf8IsReplaced", {"--json", "--range", "090", "1\xff"}, "",
                "{\"input\":\"1\uFFFD\",\"shown\":true," + kWarning1Json, "", 0},
        CliCase{"InputIsEscaped", {"--json", "--range", "090", "\"\\\t\x01"}, "",
                R"({"input":"\"\\\t\u0001","shown":true,)" + kWarning1Json, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MildenLookupJsonEscaping, OperatorNamesWithCharactersJsonMustEscape) {
    const ProgramRun run = RunIn(kAwkwardNames, {"--json", "0900000", "0900010", "0900020", "0900030", "0900040"});
    EXPECT_EQ(run.out, JsonAnswer("0900000", "0000", R"(say \"hi\"です。)") +
                           JsonAnswer("0900010", "0010", R"(back\\slashです。)") +
                           JsonAnswer("0900020", "0020", R"(tab\tinです。)") +
                           JsonAnswer("0900030", "0030", R"(bell\u0007x\u001b[31mです。)") +
                           JsonAnswer("0900040", "0040", R"(two",")" R"(\nlinesです。)"));
    // No raw control character anywhere: only the line ends between the objects.
    for (const char c : run.out) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << int(c);
}

}  // namespace
}  // namespace milden::test_support

// milden-lookup on data files far larger than any real one: it answers from what it could read,
// and its whole process stays below 512 MiB.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "lookup/cp932.h"
#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace milden::test_support {
namespace {

constexpr long kPeakLimitKilobytes = 512 * 1024;
constexpr std::string_view kValidStart =
    "keitai_tolvas{\r\n;\r\nau;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n#,#,10;\r\n}\r\n";

// Writes head, then unit over and over until the file holds at least size bytes.
std::string WriteRepeated(const TempDir& dir, std::string_view head, std::string_view unit, std::size_t size) {
    const std::string path = (dir.path() / "sorvane.dat").string();
    std::ofstream out(path, std::ios::binary);
    out << head;
    std::string chunk;
    while (chunk.size() < (1 << 20)) chunk += unit;
    for (std::size_t written = head.size(); written < size; written += chunk.size()) out << chunk;
    return path;
}

// AddressSanitizer's shadow memory and quarantine make the peak of an instrumented program
// meaningless; the answer still counts there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPeakIsMeaningful = false;
#else
constexpr bool kPeakIsMeaningful = true;
#endif

void ExpectAnswerWithinBounds(const TempDir& dir, const char* what) {
    const ProgramRun run = RunProgram(MILDEN_LOOKUP_PROGRAM, {"--range", "090", "1023"}, "", dir.path());
    EXPECT_EQ(run.exitCode, 0) << what;
    EXPECT_EQ(run.out, "090-1023-****の携帯電話のキャリアは\nauです。\n") << what;
    if (kPeakIsMeaningful) {
        EXPECT_LT(run.peakKilobytes, kPeakLimitKilobytes) << what;
    }
    ::testing::Test::RecordProperty(std::string(what) + "_peak_kib", std::to_string(run.peakKilobytes));
}

TEST(HugeDataFile, SparseFileOfSeveralGibibytesAnswersFromItsValidStart) {
    const TempDir dir;
    const std::string path = dir.Write("sorvane.dat", EncodeCp932(kValidStart));
    ASSERT_EQ(::truncate(path.c_str(), off_t{6} << 30), 0);  // 6 GiB, NUL bytes after the sections
    ExpectAnswerWithinBounds(dir, "sparse");
}

TEST(HugeDataFile, WorstPatternsPastTheReadLimit) {
    const std::size_t size = (std::size_t{64} << 20) + (1 << 20);
    const std::string fullGroups = [] {
        std::string unit;
        for (int i = 0; i < 32766; ++i) unit += "A,";
        return unit + "A;\r\n";
    }();
    const TempDir names;
    WriteRepeated(names, std::string(EncodeCp932(kValidStart)) + "phs_tolvas{\r\n", fullGroups, size);
    ExpectAnswerWithinBounds(names, "one_letter_names");
    const TempDir pairs;
    WriteRepeated(pairs, std::string(EncodeCp932(kValidStart)) + "hash_phs_tolva_num{\r\n", "12,3,13,4,", size);
    ExpectAnswerWithinBounds(pairs, "exception_pairs");
}

}  // namespace
}  // namespace milden::test_support

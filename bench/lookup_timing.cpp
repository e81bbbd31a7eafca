// Times 10,000 runs of the number lookup (LookupNumber over the blocks 0000 to 9999, the range
// changing at each, its boxes counted) on the data file named by argv[1], and prints the best time
// in microseconds. scripts/bench runs it natively (bench preset) and as WebAssembly in headless
// Chromium (web preset), and compares the two.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/lookup_number.h"
#include "tests/support/recording_services.h"

namespace {

constexpr int kSearches = 10000;
// Each timing covers several rounds, so that a browser's coarse clock (0.1 ms) costs little.
constexpr int kRoundsPerTiming = 20;
constexpr int kTimings = 15;

}  // namespace

int main(int argc, char** argv) {
    using namespace milden;
    if (argc != 2) {
        std::fputs("usage: lookup_timing DATA_FILE\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LookupTables tables;
    ClearLoadedFlags(tables);
    LoadDataBytes(tables, bytes);

    std::vector<std::u16string> texts;
    for (int block = 0; block < kSearches; ++block) texts.push_back(FourDigits<std::u16string>(static_cast<std::size_t>(block)));
    const std::array<FixedRangeOptions, 3> ranges{FixedRangeOptions(Range::k090), FixedRangeOptions(Range::k080),
                                                  FixedRangeOptions(Range::kPhs)};
    test_support::CountingBoxes boxes;
    double best = 1e300;
    for (int timing = 0; timing < kTimings; ++timing) {
        const auto start = std::chrono::steady_clock::now();
        for (int round = 0; round < kRoundsPerTiming; ++round)
            for (int i = 0; i < kSearches; ++i) LookupNumber(texts[i], tables, ranges[i % 3], boxes);
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / kRoundsPerTiming);
    }
    if (boxes.boxes != static_cast<std::size_t>(kSearches) * kRoundsPerTiming * kTimings) return 1;
    std::printf("%.1f\n", best);
    return 0;
}

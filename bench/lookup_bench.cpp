// LookupNumber over every four-digit text of the three ranges, and the exception search at its worst.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <string>
#include <vector>

#include "engine/lookup_number.h"
#include "lookup/lookup_tables.h"
#include "tests/support/recording_services.h"
#include "bench/synthetic_data.h"

namespace milden::bench {
namespace {

// Counts the boxes and the characters shown, so the message text is built and not optimised away.
using test_support::CountingBoxes;

const LookupTables& BundledTables(bool& bundled) {
    static bool wasBundled = false;
    static const LookupTables tables = [] {
        LookupTables t;
        ClearLoadedFlags(t);
        LoadDataFile(t, MILDEN_BUNDLED_DATA_FILE);
        wasBundled = t.OperatorList090Loaded;
        if (!wasBundled) LoadDataBytes(t, MakeBundledLikeDataFile());
        return t;
    }();
    bundled = wasBundled;
    return tables;
}

struct Lookup {
    Range range;
    std::u16string text;
};

// Every text whose first digit lies within its range's prefix table: 10,000 for 090, 6,000 for
// 080 and 7,000 for 070.
std::vector<Lookup> AllTexts() {
    std::vector<Lookup> all;
    for (const RangeFormat& format : kRangeFormats) {
        for (std::size_t n = 0; n < format.indexCount * kBlocksPerIndex; ++n) all.push_back({format.range, FourDigits<std::u16string>(n)});
    }
    return all;
}

void LookupEveryText(benchmark::State& state) {
    bool bundled = false;
    const LookupTables& tables = BundledTables(bundled);
    state.SetLabel(bundled ? "data/sorvane.dat" : "generated stand-in: data/sorvane.dat is missing");
    const std::vector<Lookup> all = AllTexts();
    const std::array<FixedRangeOptions, 3> ranges = {FixedRangeOptions(Range::k090), FixedRangeOptions(Range::k080),
                                                     FixedRangeOptions(Range::kPhs)};
    CountingBoxes boxes;
    for (auto _ : state) {
        for (const Lookup& l : all) LookupNumber(l.text, tables, ranges[OrdinalOf(l.range)], boxes);
    }
    benchmark::DoNotOptimize(boxes.characters);
    if (boxes.boxes != all.size() * state.iterations()) state.SkipWithError("a lookup showed no box");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * all.size()));
    state.counters["lookups"] = static_cast<double>(all.size());
}
BENCHMARK(LookupEveryText)->Name("lookup/all_23000_texts")->Unit(benchmark::kMicrosecond);

// The longest exception section (16,383 entries, all in the bucket of the key) with the key as
// its last entry: what a search along the buckets found last, the list holds by its four digits.
const LookupTables& WorstCaseExceptionTables() {
    static const LookupTables tables = [] {
        std::string text = "keitai_tolvas{\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\nノルド通信,ソラ電話;\r\n}\r\n"
                           "keitai_tolva_num{\r\nindex=9\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n"
                           "#,#,#,#,#,#,#,#,#,40;\r\n}\r\nhash_keitai_tolva_num{\r\n";
        for (int i = 0; i < 16382; ++i) text += "9998,00\r\n";
        text += "9999,9091\r\n}\r\n";
        LookupTables t;
        ClearLoadedFlags(t);
        LoadDataBytes(t, EncodeCp932(text));
        return t;
    }();
    return tables;
}

void LookupExceptionWorstCase(benchmark::State& state) {
    const LookupTables& tables = WorstCaseExceptionTables();
    const FixedRangeOptions range090(Range::k090);
    CountingBoxes boxes;
    for (auto _ : state) LookupNumber(u"9999", tables, range090, boxes);
    benchmark::DoNotOptimize(boxes.characters);
}
BENCHMARK(LookupExceptionWorstCase)->Name("lookup/exception_worst_case")->Unit(benchmark::kMicrosecond);

void FindExceptionWorstCase(benchmark::State& state) {
    const LookupTables& tables = WorstCaseExceptionTables();
    for (auto _ : state) benchmark::DoNotOptimize(FindException(tables, 0, u"9999"));
}
BENCHMARK(FindExceptionWorstCase)->Name("find_exception/worst_case")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace milden::bench

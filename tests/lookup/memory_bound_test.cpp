// Memory used while loading hostile files stays a small multiple of the file's size. Every heap
// allocation of this test program is counted, so it is its own executable.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "lookup/lookup_tables.h"

namespace {

std::atomic<std::size_t> g_live{0};
std::atomic<std::size_t> g_peak{0};

void* CountedAlloc(std::size_t size) {
    // The size is kept in front of the block so that delete can subtract it.
    auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (block == nullptr) throw std::bad_alloc();
    *block = size;
    const std::size_t live = g_live += size;
    std::size_t peak = g_peak.load();
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
    }
    return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}

void CountedFree(void* p) {
    if (p == nullptr) return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
    g_live -= *block;
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return CountedAlloc(size); }
void* operator new[](std::size_t size) { return CountedAlloc(size); }
void operator delete(void* p) noexcept { CountedFree(p); }
void operator delete[](void* p) noexcept { CountedFree(p); }
void operator delete(void* p, std::size_t) noexcept { CountedFree(p); }
void operator delete[](void* p, std::size_t) noexcept { CountedFree(p); }

namespace milden {
namespace {

constexpr std::size_t kFileSize = 4 << 20;

std::string Repeat(std::string_view head, std::string_view unit) {
    std::string s(head);
    while (s.size() + unit.size() <= kFileSize) s += unit;
    return s;
}

std::string Times(std::string_view unit, int times) {
    std::string s;
    while (times-- > 0) s += unit;
    return s;
}

// Peak heap bytes during the load, per byte of the file.
double PeakPerByte(const std::string& file) {
    LookupTables* tables = new LookupTables;
    const std::size_t before = g_live.load();
    g_peak = before;
    LoadDataBytes(*tables, file);
    const double factor = static_cast<double>(g_peak.load() - before) / static_cast<double>(file.size());
    delete tables;
    return factor;
}

// Each file is built inside its test (4 MiB each), so that listing the tests builds none of them.
struct HostileCase {
    const char* name;
    std::string (*file)();
    friend void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }
};

class MemoryBoundTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(MemoryBoundTest, PeakStaysASmallMultipleOfTheFile) {
    const double factor = PeakPerByte(GetParam().file());
    RecordProperty("peak_bytes_per_file_byte", std::to_string(factor));
    std::printf("%s: %.1f bytes per file byte\n", GetParam().name, factor);
    // The worst cases are the smallest items that store something: an exception pair that opens
    // a bucket of its own ("12,3,13,4,") costs an entry (8 bytes) and a bucket (4 bytes) for
    // every five bytes; a short value met again is stored once.
    EXPECT_LE(factor, 6.0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MemoryBoundTest,
    ::testing::Values(
        HostileCase{"EmptyItemsAtTopLevel", [] { return Repeat("", ","); }},
        HostileCase{"PassedOverPositions", [] { return Repeat("keitai_tolvas{\r\n", "#,"); }},
        HostileCase{"PassedOverPositionsInClosedGroups", [] {
            std::string unit;
            for (int i = 0; i < 32766; ++i) unit += "#,";
            return Repeat("keitai_tolvas{\r\n", unit + "A;,");
        }},
        HostileCase{"EmptyGroups", [] { return Repeat("keitai_tolvas{\r\n", ";,") + "A;"; }},
        HostileCase{"ShortNames", [] { return Repeat("phs_tolvas{\r\n", "A,"); }},
        HostileCase{"OneLetterNamesInGroups", [] { return Repeat("phs_tolvas{\r\n", "A,B,C,D;"); }},
        HostileCase{"OneLetterNamesInFullGroups", [] { return Repeat("phs_tolvas{\r\n", Times("A,", 32766) + "A;\r\n"); }},
        HostileCase{"OperatorSectionsOverAndOver", [] { return Repeat("", "keitai_tolvas{," + Times("A,", 200) + "A;}\r\n"); }},
        HostileCase{"ExceptionPairs", [] { return Repeat("hash_keitai_tolva_num{\r\n", "12,3,"); }},
        HostileCase{"ShortestExceptionPairs", [] { return Repeat("", "hash_phs_tolva_num{,12,3," + Times("1,2,", 16382) + "}\r\n"); }},
        HostileCase{"ExceptionBucketPerPair", [] { return Repeat("", "hash_phs_tolva_num{," + Times("12,3,13,4,", 8191) + "}\r\n"); }},
        HostileCase{"NulBytesAfterAValidSection", [] { return Repeat("keitai_tolvas{\r\nA;\r\n}\r\n", std::string(1, '\0')); }},
        HostileCase{"PrefixCells", [] { return Repeat("keitai_tolva_num{\r\nindex=0\r\n", "1,"); }},
        HostileCase{"SectionKeysOnly", [] { return Repeat("", "keitai_tolvas{,"); }},
        HostileCase{"IndexLines", [] { return Repeat("keitai_tolva_num{\r\n", "index=1,"); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace milden

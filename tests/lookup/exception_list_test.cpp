#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "lookup/cp932.h"
#include "lookup/lookup_tables.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

using Buckets = std::vector<std::pair<std::u16string, std::vector<std::pair<std::u16string, std::u16string>>>>;

// The buckets and entries as the loader reports them, each number at its (bucket, entry).
class ReportedBuckets : public LoadObserver {
public:
    void OnLoadEvent(const LoadEvent& e) override {
        if (e.kind != LoadEventKind::NumberStored && e.kind != LoadEventKind::CodeStored) return;
        const auto bucket = static_cast<std::size_t>(e.place[0]), entry = static_cast<std::size_t>(e.place[1]);
        if (bucket == buckets.size()) buckets.push_back({std::u16string(e.value.substr(0, 2)), {}});
        auto& entries = buckets.at(bucket).second;
        if (entry == entries.size()) entries.emplace_back();
        (e.kind == LoadEventKind::NumberStored ? entries.at(entry).first : entries.at(entry).second) = e.value;
    }
    Buckets buckets;
};

LookupTables Load090(const std::string& body, LoadObserver* observer = nullptr) {
    LookupTables t;
    LoadDataBytes(t, EncodeCp932("hash_keitai_tolva_num{\r\n" + body), observer);
    return t;
}

struct BodyCase {
    const char* name;
    friend void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }
    const char* body;
    Buckets buckets;
};

class ReadExceptionListTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(ReadExceptionListTest, ReportsBucketsAndKeepsFirstEntryOfEachKey) {
    ReportedBuckets reported;
    const LookupTables t = Load090(GetParam().body, &reported);
    EXPECT_EQ(reported.buckets, GetParam().buckets);
    EXPECT_TRUE(t.ExceptionList090Loaded);
    // Each four-digit number answers with the code of its first entry in bucket order.
    std::map<std::u16string, std::u16string> first;
    for (const auto& [prefix, entries] : GetParam().buckets)
        for (const auto& [number, code] : entries) first.try_emplace(number, code);
    for (const auto& [number, code] : first) EXPECT_EQ(t.ExceptionList090.Find(number), number.size() == 4 ? code : u"");
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, ReadExceptionListTest,
    ::testing::Values(
        BodyCase{"ConsecutivePrefixesShareBucket", "1234,21\r\n1235,22\r\n1301,31\r\n}",
                 {{u"12", {{u"1234", u"21"}, {u"1235", u"22"}}}, {u"13", {{u"1301", u"31"}}}}},
        BodyCase{"CommentDoesNotBreakPair", "1234\r\n#note\r\n21\r\n}", {{u"12", {{u"1234", u"21"}}}}},
        BodyCase{"SemicolonEndsUsefulPart", "1234;x\r\n21;y\r\n}", {{u"12", {{u"1234", u"21"}}}}},
        BodyCase{"CodeNeverOpensBucket", "1234\r\n56\r\n}", {{u"12", {{u"1234", u"56"}}}}},
        BodyCase{"PrefixMayReturnInLaterBucket", "1234,21\r\n1301,31\r\n1240,22\r\n}",
                 {{u"12", {{u"1234", u"21"}}}, {u"13", {{u"1301", u"31"}}}, {u"12", {{u"1240", u"22"}}}}},
        BodyCase{"OddCountLeavesLastCodeEmpty", "1234,21\r\n1235\r\n}", {{u"12", {{u"1234", u"21"}, {u"1235", u""}}}}},
        BodyCase{"ShortNumberJoinsCurrentBucket", "1234,21\r\n5,22\r\n}", {{u"12", {{u"1234", u"21"}, {u"5", u"22"}}}}},
        BodyCase{"ShortFirstNumberIsDroppedWithItsCode", "5,22\r\n1234,21\r\n}", {{u"12", {{u"1234", u"21"}}}}},
        BodyCase{"ItemsStartingWithSemicolonAreNotCounted", ";x\r\n1234,21\r\n}", {{u"12", {{u"1234", u"21"}}}}},
        BodyCase{"EndOfFileEndsSection", "1234,21\r\n1235", {{u"12", {{u"1234", u"21"}, {u"1235", u""}}}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FindCase {
    const char* name;
    friend void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }
    std::uint8_t rangeType;
    std::u16string_view key;
    std::u16string_view code;
};

class FindExceptionTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindExceptionTest, FirstMatchWins) {
    static const LookupTables t = test_support::LoadFromFile(
        "hash_keitai_tolva_num{\r\n1234,21\r\n1301,31\r\n1240,22\r\n1234,99\r\n0123,2536\r\n1250\r\n}\r\n"
        "hash_keitai_tolva_num080{\r\n5123,41\r\n}\r\nhash_phs_tolva_num{\r\n6000,11\r\n}\r\n"
        "hash_keitai_tolva_num{\r\n1250,33\r\n1234,98\r\n7777,44\r\n}");
    EXPECT_EQ(FindException(t, GetParam().rangeType, GetParam().key), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FindExceptionTest,
    ::testing::Values(
        FindCase{"FoundInFirstBucket", 0, u"1234", u"21"},
        FindCase{"FoundInLaterBucketOfSamePrefix", 0, u"1240", u"22"},
        FindCase{"LeadingZeroKey", 0, u"0123", u"2536"},
        FindCase{"MissInMatchingBucket", 0, u"1236", u""},
        FindCase{"NoSuchPrefix", 0, u"5501", u""},
        FindCase{"EntryWithoutCode", 0, u"1250", u""},
        FindCase{"LaterSectionAddsOnlyNewNumbers", 0, u"7777", u"44"},
        FindCase{"Range080ReadsItsOwnList", 1, u"5123", u"41"},
        FindCase{"Range080DoesNotSee090", 1, u"1234", u""},
        FindCase{"RangePhs", 2, u"6000", u"11"},
        FindCase{"UnknownRangeType", 3, u"1234", u""},
        FindCase{"KeyMustMatchWholly", 0, u"123", u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadExceptionList, StopsCountingAtTheItemLimit) {
    // 16,400 pairs: pairs beyond 16,383 are not stored, and the load still finishes.
    std::string body;
    for (int i = 0; i < 16400; ++i) body += "1234,21\r\n";
    ReportedBuckets reported;
    const LookupTables t = Load090(body + "}\r\nkeitai_tolvas{\r\nA;\r\n}", &reported);
    ASSERT_EQ(reported.buckets.size(), 1u);
    EXPECT_EQ(reported.buckets[0].second.size(), 16383u);
    EXPECT_TRUE(t.OperatorList090Loaded);
}

}  // namespace
}  // namespace milden

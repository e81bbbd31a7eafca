#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "lookup/lookup_tables.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

using Buckets = std::vector<std::pair<std::u16string, std::vector<std::pair<std::u16string, std::u16string>>>>;

Buckets BucketsOf(const ExceptionList& list) {
    Buckets out;
    for (std::size_t b = 0; b < list.size(); ++b) {
        auto& [prefix, entries] = out.emplace_back(list.Prefix(b), std::vector<std::pair<std::u16string, std::u16string>>{});
        for (std::size_t e = 0; e < list.EntryCount(b); ++e) entries.emplace_back(list.Number(b, e), list.Code(b, e));
    }
    return out;
}

LookupTables Load090(const std::string& body) {
    return test_support::LoadFromFile("hash_keitai_tolva_num{\r\n" + body);
}

struct BodyCase {
    const char* name;
    friend void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }
    const char* body;
    Buckets buckets;
};

class ReadExceptionListTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(ReadExceptionListTest, BuildsBuckets) {
    const LookupTables t = Load090(GetParam().body);
    EXPECT_EQ(BucketsOf(t.ExceptionList090), GetParam().buckets);
    EXPECT_TRUE(t.ExceptionList090Loaded);
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
        "hash_keitai_tolva_num080{\r\n5123,41\r\n}\r\nhash_phs_tolva_num{\r\n6000,11\r\n}");
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
    const LookupTables t = Load090(body + "}\r\nkeitai_tolvas{\r\nA;\r\n}");
    ASSERT_EQ(t.ExceptionList090.size(), 1u);
    EXPECT_EQ(t.ExceptionList090.EntryCount(0), 16383u);
    EXPECT_TRUE(t.OperatorList090Loaded);
}

}  // namespace
}  // namespace milden

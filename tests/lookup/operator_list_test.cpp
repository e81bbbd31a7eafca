#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "lookup/lookup_tables.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

using Groups = std::vector<std::vector<std::u16string>>;

Groups GroupsOf(const OperatorList& list) {
    Groups groups;
    for (std::size_t g = 0; g < list.size(); ++g) {
        auto& names = groups.emplace_back();
        for (std::size_t p = 0; p < list.NameCount(g); ++p) names.push_back(list.Name(g, p));
    }
    return groups;
}

struct BodyCase {
    const char* name;
    friend void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }
    const char* body;  // items one per line
    Groups groups;
};

class ReadOperatorListTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(ReadOperatorListTest, BuildsGroups) {
    const LookupTables t = test_support::LoadFromFile(std::string("keitai_tolvas{\r\n") + GetParam().body);
    EXPECT_EQ(GroupsOf(t.OperatorList090), GetParam().groups);
    EXPECT_TRUE(t.OperatorList090Loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, ReadOperatorListTest,
    ::testing::Values(
        BodyCase{"SemicolonClosesGroup", "A\r\nB;\r\nD;\r\n}", {{u"A", u"B"}, {u"D"}}},
        BodyCase{"BlankItemTakesNoPosition", "A\r\n\r\nB;\r\n}", {{u"A", u"B"}}},
        BodyCase{"CommentTakesAPosition", "A\r\n#note\r\nB;\r\n}", {{u"A", u"", u"B"}}},
        BodyCase{"LeadingCommentLeavesEmptyFirstPosition", "#note\r\nA;\r\n}", {{u"", u"A"}}},
        BodyCase{"LoneSemicolonClosesGroup", "A\r\nB\r\n;\r\nD;\r\n}", {{u"A", u"B"}, {u"D"}}},
        BodyCase{"EmptyFirstGroup", ";\r\nA;\r\n}", {{}, {u"A"}}},
        BodyCase{"UnclosedGroupIsDropped", "A;\r\nB\r\n}", {{u"A"}}},
        BodyCase{"NoSemicolonGivesEmptyList", "A\r\nB\r\n}", {}},
        BodyCase{"SemicolonInCommentCloses", "A\r\n#x;y\r\nB;\r\n}", {{u"A"}, {u"B"}}},
        BodyCase{"TextAfterSemicolonIsDropped", "A;\r\nD;E\r\n}", {{u"A"}, {u"D"}}},
        BodyCase{"BraceWithSemicolonIsAName", "}\xef\xbc\x9b;\r\n};\r\nX;\r\n}", {{u"}\uFF1B"}, {u"}"}, {u"X"}}},
        BodyCase{"EndOfFileKeepsClosedGroups", "A;\r\nB;\r\nC", {{u"A"}, {u"B"}}},
        BodyCase{"QuotedNameKeepsTextBeforeComma", "\"NTT, Docomo;\"\r\n}", {{u"NTT"}}},
        BodyCase{"JapaneseNames", "ＮＴＴドコモ\r\nａｕ;\r\n}", {{u"ＮＴＴドコモ", u"ａｕ"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OperatorName, AnswersEveryMissWithEmptyString) {
    const LookupTables t = test_support::LoadFromFile(
        "keitai_tolvas{\r\nA\r\n#skip\r\nB;\r\nD;\r\n}\r\nkeitai_tolvas080{\r\nE;\r\n}\r\nphs_tolvas{\r\nP;\r\n}");
    EXPECT_EQ(OperatorName090(t, 1, 0), u"D");
    EXPECT_EQ(OperatorName090(t, 0, 2), u"B");
    EXPECT_EQ(OperatorName090(t, 0, 1), u"");   // passed over
    EXPECT_EQ(OperatorName090(t, 1, 1), u"");   // past the group
    EXPECT_EQ(OperatorName090(t, 2, 0), u"");   // past the list
    EXPECT_EQ(OperatorName090(t, -1, 0), u"");
    EXPECT_EQ(OperatorName090(t, 0, -1), u"");
    EXPECT_EQ(OperatorName080(t, 0, 0), u"E");  // each range reads its own list
    EXPECT_EQ(OperatorNamePhs(t, 0, 0), u"P");
    EXPECT_EQ(OperatorNamePhs(LookupTables{}, 0, 0), u"");
}

}  // namespace
}  // namespace milden

// The checker on small data files: each broken file gives exactly the diagnostics expected, at
// the line, display column and code of their cause; each clean file, however unusual, none.
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "check/check_data.h"
#include "check/source_file.h"
#include "lookup/cp932.h"

namespace milden::check {
namespace {

// count rows of ten cells holding code, each ended by ";".
std::string Rows(std::string_view code, int count = 10, std::string_view lineEnd = "\r\n") {
    std::string rows;
    for (int r = 0; r < count; ++r)
        for (int c = 0; c < 10; ++c) rows += std::string(code) + (c < 9 ? "," : ";" + std::string(lineEnd));
    return rows;
}

// Correct 080 and 070 sections, appended to a case unless it stands alone, so that a case's
// diagnostics are its own.
const std::string kOther = "keitai_tolvas080{\r\nH;\r\n}\r\nkeitai_tolva_num080{\r\nindex=5\r\n" + Rows("00") +
                           "}\r\nphs_tolvas{\r\nP;\r\n}\r\nphs_tolva_num{\r\nindex=6\r\n" + Rows("00") + "}\r\n";
// A correct 090 prefix table of one block naming operator 01, for cases about other sections.
const std::string kPrefixes090 = "keitai_tolva_num{\r\nindex=1\r\n" + Rows("01") + "}\r\n";

struct CheckCase {
    const char* name;
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
    std::string file;  // UTF-8, written in code page 932; "\x81" stands for that byte alone, not Shift-JIS
    // "LINE:COLUMN code" (display columns), or "- code" without a place, then optionally pieces
    // of its message and notes joined by " && "; in the order printed.
    std::vector<std::string> expected;
    bool alone = false;
    bool utf8 = false;  // the file's bytes are its UTF-8 text
};

// "LINE:COLUMN code message | note | ..." for each diagnostic.
std::vector<std::string> Found(const std::string& bytes) {
    Diagnostics diagnostics(0);
    CheckDataBytes(bytes, diagnostics);
    const SourceFile source(bytes);
    std::vector<std::string> found;
    for (const Diagnostic& d : diagnostics.Kept()) {
        std::string line = d.at.line == 0 ? "-" : std::to_string(d.at.line) + ":" + std::to_string(source.Column(d.at, ColumnUnit::Display));
        line += " " + std::string(NameOf(d.code)) + " " + d.message;
        for (const Note& note : d.notes) line += " | " + note.text;
        found.push_back(line);
    }
    return found;
}

class BrokenFile : public ::testing::TestWithParam<CheckCase> {};

TEST_P(BrokenFile, GivesEachDiagnosticAtItsCause) {
    const CheckCase& c = GetParam();
    const std::string text = c.file + (c.alone ? "" : kOther);
    std::string bytes = c.utf8 ? text : EncodeCp932(text);
    for (std::size_t at; (at = bytes.find("\\x81")) != std::string::npos;) bytes.replace(at, 4, "\x81");
    const std::vector<std::string> found = Found(bytes);
    std::string all;
    for (const std::string& f : found) all += "\n  " + f;
    ASSERT_EQ(found.size(), c.expected.size()) << all;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const std::string& expected = c.expected[i];
        const std::size_t placeAndCode = expected.find(' ', expected.find(' ') + 1);
        EXPECT_TRUE(found[i].starts_with(expected.substr(0, placeAndCode) + " ")) << found[i] << "\n  wanted: " << expected;
        for (std::size_t from = placeAndCode; from != std::string::npos;) {
            const std::size_t to = expected.find(" && ", from + 1);
            const std::string piece = expected.substr(from + 1, to == std::string::npos ? to : to - from - 1);
            EXPECT_NE(found[i].find(piece), std::string::npos) << found[i] << "\n  wanted: " << piece;
            from = to == std::string::npos ? to : to + 3;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BrokenFile,
    ::testing::Values(
        CheckCase{"EmptyFile", "", {"- empty-file the file is empty"}, true},
        CheckCase{"Utf8IsNamedOnceAndQuotedWithoutHalfACharacter",
                  "keitai_tolvas{\r\n#aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\U0001F4DEx\r\nドコモ,A;\r\n}\r\n" + kPrefixes090,
                  {"2:40 utf-8 the file is UTF-8, not Shift-JIS && not \"#aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa…\""},
                  false, true},
        CheckCase{"ByteOrderMarkBeforeAKey",
                  "\xEF\xBB\xBFkeitai_tolvas{\r\nA,B;\r\n}\r\n" + kPrefixes090,
                  {"1:1 byte-order-mark", "1:1 key-typo the byte order mark before it is read as part of it"},
                  false, true},
        CheckCase{"InvalidShiftJisOncePerLine",
                  "keitai_tolvas{\r\nA\\x81,B\\x81;\r\n}\r\n" + kPrefixes090,
                  {"2:1 invalid-shift-jis \"A\uFFFD\" is read with U+FFFD"}},
        CheckCase{"KeysAndStrayItems",
                  "# a top-level comment, with a comma\r\nKeitai_tolvas{\r\nA;\r\n}\r\nstray\r\n}\r\nindex=0\r\n00;\r\n}\r\n"
                  "keitai_tolvas{\r\nA,B;\r\n}\r\n" + kPrefixes090,
                  {"2:1 key-typo did you mean \"keitai_tolvas{\"?", "5:1 stray-item \"stray\" is outside any section",
                   "6:1 stray-item \"}\" closes no section", "7:1 orphan-block \"index=0\" is outside any section"}},
        CheckCase{"SectionsRunOnAndMissing",
                  "keitai_tolvas{\r\nA;\r\nkeitai_tolva_num{\r\n}\r\nkeitai_tolva_num080{\r\nindex=5\r\n" + Rows("40") + "}\r\n",
                  {"- missing-section no \"keitai_tolvas080{\" section: the codes of",
                   "- missing-section no \"phs_tolva_num{\" section",
                   "3:1 section-run-on it is read as part of \"keitai_tolvas{\", which has no \"}\" before it",
                   "7:1 mark-without-list but there is no \"hash_keitai_tolva_num080{\" section && (and 99 more cells)"},
                  true},
        CheckCase{"EmptyAndOddNames",
                  "keitai_tolvas{\r\nA,,B;\r\nC, ,D,\r\nE;\r\n#,F;\r\n\"\",G;\r\nNTT\"ドコモ,H，IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII,J;\r\nK\tL,\"M\x01\",\tN;\r\n}\r\n" +
                      kPrefixes090,
                  {"2:3 empty-name in operator group 0 && \"B\" is read as operator 01",
                   "3:4 empty-name in operator group 1 && \"D\" is read as operator 11", "6:1 empty-name",
                   "7:1 stray-quote name \"NTT\"ドコモ\" holds a double quote",
                   "7:12 full-width-separator name \"H，IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII\" holds a full-width \"，\"", "8:1 control-character holds a tab",
                   "8:11 control-character holds the control character U+0001"}},
        // "B;X": group 0 ends after B, so C becomes operator 10 and the cells' 02 names nothing.
        CheckCase{"SemicolonInsideAName",
                  "keitai_tolvas{\r\nA,B;X,C;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n" + Rows("02") + "}\r\n",
                  {"2:3 semicolon-in-name the \";\" inside the name \"B;X\" ends operator group 0 after \"B\": \"X\" is dropped && "
                   "\"C\" is read as operator 10 && cell code \"02\" names operator 02, which \"keitai_tolvas{\" does not have (and 99 more"}},
        CheckCase{"CommentsWhoseCommaSplitsThem",
                  "keitai_tolvas{\r\n# names, in code order\r\nA,# old,B;\r\n}\r\n" + kPrefixes090,
                  {"2:10 comment-comma a comma ends the comment \"# names\": \"in code order\" after it is read as a name, operator 01"}},
        CheckCase{"RowsAndBlocks",
                  "keitai_tolvas{\r\nA;\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\n"
                  "00,,00,00,00,00,00,00,00,00,00;\r\n00,00,00,00,00,00,00,00,00;\r\n00,00,,00,00,00,00,00,00,00;\r\n"
                  "00,00,00,00,00,00,00,00,00,00\r\n" + Rows("00", 6) + "]\r\nindex=1\r\n" + Rows("00", 8) +
                      "]\r\nindex=2\r\n" + Rows("00", 11) + "]\r\nindex=3\r\n00,00,00,00,00,00,00,00,00,00,00;\r\n" + Rows("00", 9) + "}\r\n",
                  {"6:4 empty-cell in row 0 of index 0", "7:25 row-length row 1 of index 0 has 9 cells, not ten: third digit 9 keeps",
                   "8:7 empty-cell in row 2 of index 0 && row 2 of index 0 has 9 cells",
                   "9:28 missing-semicolon row 3 of index 0 has no \";\" after its tenth cell && the cells of the next line && "
                   "index 0 has 9 rows, not ten: second digit 9 keeps no code",
                   "17:1 block-rows index 1 has 8 rows, not ten: second digits 8 to 9 keep no code",
                   "38:1 block-rows index 2 has more than ten rows", "41:31 row-length row 0 of index 3 has more than ten cells"}},
        // The three edits that change nothing or look like something else: a row's ";" after a
        // comma or on the next line, and a block of three rows opened again by a later section.
        CheckCase{"HarmlessRowEndsAndABlockOpenedAgain",
                  "keitai_tolvas{\r\nA,B;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n" + Rows("01", 1) + Rows("01", 1).insert(29, ",") +
                      Rows("01", 1).insert(29, "\r\n") + Rows("01", 7) + "}\r\nkeitai_tolva_num{\r\nindex=1\r\n" + Rows("00", 2) +
                      "00,00,00,00,00,00,00,00,00;\r\n}\r\n",
                  {"7:31 lone-semicolon row 1 of index 1 ends with a \";\" of its own after its tenth cell",
                   "9:1 lone-semicolon row 2 of index 1",
                   "19:1 index-repeated index 1 is opened again && index 1 has 3 rows, not ten: second digits 3 to 9 keep the codes read before",
                   "22:25 row-length row 2 of index 1 has 9 cells, not ten: third digit 9 keeps the code read before"}},
        CheckCase{"IndexLines",
                  "keitai_tolvas{\r\nA,B;\r\n}\r\nkeitai_tolva_num{\r\nindex=0\r\n" + Rows("01") + "index=1\r\n" + Rows("01") +
                      "index=2\r\n" + Rows("01") + "index=2\r\n" + Rows("01") + "index=4\r\n" + Rows("01") +
                      "}\r\nkeitai_tolva_num{\r\nindex=6\r\n" + Rows("01") + "index=8\r\n" + Rows("01") + "index=5\r\n" +
                      Rows("01") + "index=-1\r\n01;\r\nindex=10\r\n}\r\n",
                  {"38:1 index-repeated index 2 is opened again && index 2 was first opened here && index 3 never appears: the blocks "
                   "090-3000 to 090-3999 answer キャリアが不明",
                   "73:1 index-skipped index 7 is missing: index 8 follows index 6", "84:1 index-order index 5 comes after index 8",
                   "95:1 negative-index", "97:1 index-past-last index 10 is past the last index 9"}},
        CheckCase{"ItemsThatStoreNothing",
                  "keitai_tolvas{\r\nA;\r\n}\r\nkeitai_tolva_num{\r\nx\r\nindex=1\r\n#00," + Rows("00").substr(3) +
                      "]\r\ny\r\nz\r\n}\r\n",
                  {"5:1 outside-block \"x\" comes before the first index line",
                   "7:1 commented-code cell \"#00\" is a comment, not a code: the cell of row 0, column 0 of index 1 keeps no code",
                   "18:1 outside-block \"y\" comes after \"]\""}},
        CheckCase{"ExceptionLists",
                  "keitai_tolvas{\r\nA,B;\r\n}\r\nkeitai_tolva_num{\r\nindex=1\r\n40,40,40," + Rows("01").substr(9) +
                      "}\r\nhash_keitai_tolva_num{\r\n5,01\r\n1000,01,1001,00,1000,01\r\n123,01,1030,01\r\n1010,21,1011\r\n}\r\n",
                  {"6:7 mark-without-entries has no number from 1020 to 1029", "18:1 short-number \"5\" is too short",
                   "19:17 repeated-number exception number \"1000\" is listed again && the first \"1000\" is here",
                   "20:1 exception-number \"123\" is not four digits", "20:8 unsearched-number \"1030\" is never searched",
                   "21:6 unknown-operator exception code \"21\" names operator 21", "21:9 missing-code \"1011\" has no code"}},
        // Codes naming an operator the list lacks, in blocks written out of order: the one
        // diagnostic stands at the first of them in the file, not in the table.
        CheckCase{"SharedFaultAtItsFirstPlace",
                  "keitai_tolvas{\r\nA;\r\n}\r\nkeitai_tolva_num{\r\nindex=2\r\n27," + Rows("00").substr(3) + "index=1\r\n27," +
                      Rows("00").substr(3) + "}\r\n",
                  {"6:1 unknown-operator cell code \"27\" names operator 27, which \"keitai_tolvas{\" does not have (and 1 more cell)",
                   "16:1 index-order index 1 comes after index 2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CleanFile, GivesNothing) {
    const std::string unusual[] = {
        // Placeholders, quoted items with commas, comments after items, sections in another order
        // and one section in two parts, and an empty exception list.
        "# every section, with placeholders\r\nphs_tolvas{\r\nピー;\r\n}\r\nkeitai_tolva_num{\r\nindex=1 [090-1000 to 090-1999\r\n" +
            Rows("40") + "]\r\n}\r\nkeitai_tolvas{\r\n#,\"ドコモ,NTT\",エーユー, # two names\r\n;\r\nA,#,B; # the last group\r\n}\r\n"
            "hash_keitai_tolva_num{\r\n1011,0112\r\n" + [] {
                std::string entries;
                for (int block = 1000; block < 2000; block += 10) entries += std::to_string(block) + ",01\r\n";
                return entries;
            }() + "}\r\nkeitai_tolva_num{\r\nindex=2\r\n" + Rows("81") + "}\r\nkeitai_tolva_num080{\r\nindex=5\r\n" + Rows("00") +
            "}\r\nkeitai_tolvas080{\r\nハチ;\r\n}\r\nphs_tolva_num{\r\nindex=6\r\n" + Rows("40") + "}\r\nhash_phs_tolva_num{\r\n}\r\n",
        // CR-only line ends, half-width katakana, no final line end.
        "keitai_tolvas{\rｴｰﾕｰ;\r}\rkeitai_tolva_num{\rindex=1\r" + Rows("00", 10, "\r") + "}\rkeitai_tolvas080{\rﾊﾁ;\r}\r"
            "keitai_tolva_num080{\rindex=5\r" + Rows("00", 10, "\r") + "}\rphs_tolvas{\rﾋﾟｰ;\r}\rphs_tolva_num{\rindex=6\r" +
            Rows("00", 10, "\r") + "}",
    };
    for (const std::string& file : unusual) {
        std::string all;
        for (const std::string& f : Found(EncodeCp932(file))) all += "\n  " + f;
        EXPECT_EQ(all, "") << file.substr(0, 60);
    }
}

TEST(Codes, EachIsListedInTheManPageWithItsSeverity) {
    std::ifstream in(MILDEN_MAN_PAGE);
    std::stringstream page;
    page << in.rdbuf();
    for (const CodeInfo& info : kCodes) {
        const std::string entry = info.severity == Severity::Warning ? "\n.BR " + std::string(info.name) + " \" (warning)\"\n"
                                                                     : "\n.B " + std::string(info.name) + "\n";
        EXPECT_NE(page.str().find(entry), std::string::npos) << info.name;
    }
}

}  // namespace
}  // namespace milden::check

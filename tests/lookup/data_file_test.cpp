#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lookup/lookup_tables.h"
#include "lookup/cp932.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

using test_support::LoadFromFile;
using test_support::TempDir;


int LoadedFlagCount(const LookupTables& t) {
    return t.ExceptionList090Loaded + t.ExceptionList080Loaded + t.ExceptionListPhsLoaded +
           t.OperatorList090Loaded + t.OperatorList080Loaded + t.OperatorListPhsLoaded;
}

TEST(LoadDataFile, MissingFileLoadsNothing) {
    TempDir dir;
    LookupTables t;
    LoadDataFile(t, (dir.path() / "sorvane.dat").string());
    EXPECT_EQ(LoadedFlagCount(t), 0);
    EXPECT_EQ(t.PrefixTable090.Cell(0, 0, 0), u"");
}

TEST(LoadDataFile, EmptyFileLoadsNothing) {
    EXPECT_EQ(LoadedFlagCount(LoadFromFile("")), 0);
}

TEST(LoadDataFile, EverySectionKeyReachesItsReader) {
    const LookupTables t = LoadFromFile(
        "keitai_tolva_num{\r\nindex=1,a;\r\n}\r\n"
        "hash_keitai_tolva_num{\r\n1111,11\r\n}\r\n"
        "keitai_tolvas{\r\nA;\r\n}\r\n"
        "keitai_tolva_num080{\r\nindex=2,b;\r\n}\r\n"
        "hash_keitai_tolva_num080{\r\n2222,22\r\n}\r\n"
        "keitai_tolvas080{\r\nB;\r\n}\r\n"
        "phs_tolva_num{\r\nindex=3,c;\r\n}\r\n"
        "hash_phs_tolva_num{\r\n3333,33\r\n}\r\n"
        "phs_tolvas{\r\nC;\r\n}\r\n");
    EXPECT_EQ(t.PrefixTable090.Cell(1, 0, 0), u"a");
    EXPECT_EQ(t.PrefixTable080.Cell(2, 0, 0), u"b");
    EXPECT_EQ(t.PrefixTablePhs.Cell(3, 0, 0), u"c");
    EXPECT_EQ(FindException(t, 0, u"1111"), u"11");
    EXPECT_EQ(FindException(t, 1, u"2222"), u"22");
    EXPECT_EQ(FindException(t, 2, u"3333"), u"33");
    EXPECT_EQ(OperatorName090(t, 0, 0), u"A");
    EXPECT_EQ(OperatorName080(t, 0, 0), u"B");
    EXPECT_EQ(OperatorNamePhs(t, 0, 0), u"C");
    EXPECT_EQ(LoadedFlagCount(t), 6);
}

TEST(LoadDataFile, KeysMatchExactlyButMayBeQuoted) {
    EXPECT_FALSE(LoadFromFile("Keitai_tolvas{\r\nA;\r\n}").OperatorList090Loaded);
    EXPECT_FALSE(LoadFromFile("keitai_tolvas {\r\nA;\r\n}").OperatorList090Loaded);
    const LookupTables quoted = LoadFromFile("\"keitai_tolvas{\"\r\nA;\r\n}");
    EXPECT_EQ(OperatorName090(quoted, 0, 0), u"A");
}

TEST(LoadDataFile, MisspeltSectionBodyIsIgnoredWithItsBrace) {
    // The "}" of the misspelt section is a top-level item; the next real section still opens.
    const LookupTables t = LoadFromFile("keitai_tolvaS{\r\nX;\r\n}\r\nkeitai_tolvas080{\r\nB;\r\n}");
    EXPECT_FALSE(t.OperatorList090Loaded);
    EXPECT_EQ(OperatorName080(t, 0, 0), u"B");
}

TEST(LoadDataFile, TextAfterKeyOnSameLineIsFirstBodyItem) {
    EXPECT_EQ(OperatorName090(LoadFromFile("keitai_tolvas{,A;\r\n}"), 0, 0), u"A");
}

TEST(LoadDataFile, LoneKeySetsFlagWithEmptyList) {
    const LookupTables t = LoadFromFile("keitai_tolvas{");
    EXPECT_TRUE(t.OperatorList090Loaded);
    EXPECT_TRUE(t.OperatorList090.empty());
}

TEST(LoadDataFile, DecodesCodePage932) {
    // 0x81 0x60 is the wave dash of code page 932 (U+FF5E, not U+301C); 0x5C stays a backslash.
    const LookupTables t = LoadFromFile("keitai_tolvas{\r\nドコモ;\r\n}");
    EXPECT_EQ(OperatorName090(t, 0, 0), u"ドコモ");
    TempDir dir;
    LookupTables raw;
    LoadDataFile(raw, dir.Write("sorvane.dat", "keitai_tolvas{\r\n\x81\x60\\;\r\n}"));
    EXPECT_EQ(OperatorName090(raw, 0, 0), u"\uFF5E\\");
}

TEST(LoadDataFile, InvalidShiftJisNeverStopsTheLoad) {
    TempDir dir;
    LookupTables t;
    LoadDataFile(t, dir.Write("sorvane.dat", "keitai_tolvas{\r\n\x81\r\n\xA0\xFF;\r\nB;\r\n}"));
    ASSERT_EQ(t.OperatorList090.size(), 2u);
    EXPECT_EQ(OperatorName090(t, 1, 0), u"B");
}

TEST(LoadDataFile, LoadBytesAgreesWithLoadFile) {
    const std::string bytes = EncodeCp932("keitai_tolvas{\r\n楽天;\r\n}\r\nkeitai_tolva_num{\r\nindex=0,21;\r\n}");
    LookupTables fromBytes;
    LoadDataBytes(fromBytes, bytes);
    TempDir dir;
    LookupTables fromFile;
    LoadDataFile(fromFile, dir.Write("sorvane.dat", bytes));
    EXPECT_EQ(OperatorName090(fromBytes, 0, 0), OperatorName090(fromFile, 0, 0));
    EXPECT_EQ(fromBytes.PrefixTable090.Cell(0, 0, 0), u"21");
}

TEST(LoadDataFile, FileLargerThanTheReadLimitKeepsWhatCameBefore) {
    // A section before the limit loads; one past it, in the last of 70 MiB, is never read.
    TempDir dir;
    const std::string late = "keitai_tolvas080{\r\nB;\r\n}";
    std::string bytes = "keitai_tolvas{\r\nA;\r\n}\r\n";
    bytes.resize((std::size_t{70} << 20) - late.size(), '\n');
    bytes += late;
    LookupTables t;
    EXPECT_TRUE(LoadDataFile(t, dir.Write("sorvane.dat", bytes)));
    EXPECT_EQ(OperatorName090(t, 0, 0), u"A");
    EXPECT_FALSE(t.OperatorList080Loaded);
}

TEST(DataFilePath, IsInTheCurrentDirectoryWhateverItsName) {
    TempDir dir;
    const std::filesystem::path japanese = dir.path() / u8"山田" / u8"ミルデン";
    std::filesystem::create_directories(japanese);
    std::ofstream(japanese / "sorvane.dat", std::ios::binary) << EncodeCp932("keitai_tolvas{\r\n楽天;\r\n}");
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(japanese);
    const std::string path = DataFilePathInCurrentDirectory();
    std::filesystem::current_path(old);
    EXPECT_EQ(std::filesystem::path(std::u8string(path.begin(), path.end())), std::filesystem::canonical(japanese) / "sorvane.dat");
    LookupTables t;
    ASSERT_TRUE(LoadDataFile(t, path));
    EXPECT_EQ(OperatorName090(t, 0, 0), u"楽天");
}

TEST(ReleaseLoadedLists, EmptiesOnlyFlaggedLists) {
    LookupTables t = LoadFromFile(
        "keitai_tolvas{\r\nA;\r\n}\r\nhash_keitai_tolva_num{\r\n1234,21\r\n}\r\nkeitai_tolvas080{\r\nkept;\r\n}");
    t.OperatorList080Loaded = false;  // not flagged: left alone
    ReleaseLoadedLists(t);
    EXPECT_TRUE(t.OperatorList090.empty());
    EXPECT_TRUE(t.ExceptionList090.empty());
    EXPECT_EQ(t.OperatorList080.size(), 1u);
}

TEST(ClearLoadedFlags, ClearsAllSix) {
    LookupTables t = LoadFromFile("keitai_tolvas{\r\n}\r\nphs_tolvas{\r\n}\r\nhash_phs_tolva_num{\r\n}");
    ASSERT_EQ(LoadedFlagCount(t), 3);
    ClearLoadedFlags(t);
    EXPECT_EQ(LoadedFlagCount(t), 0);
}

}  // namespace
}  // namespace milden

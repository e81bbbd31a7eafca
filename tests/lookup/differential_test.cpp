// The loader against the loader it replaced (reference_reader): random and hostile files must give
// the same tables, lists and flags, value for value.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "lookup/cp932.h"
#include "lookup/lookup_tables.h"
#include "tests/support/reference_reader.h"
#include "tests/support/temp_dir.h"

namespace milden {
namespace {

std::string Dump(std::string_view bytes) {
    LookupTables tables;
    LoadDataBytes(tables, bytes);
    return reference::Dump(tables);
}

// Pieces of data files, raw code page 932: keys (real and near misses), every special item,
// values, comments, quotes, blanks, every kind of line end and bytes that are not Shift-JIS.
const std::vector<std::string>& Pieces() {
    static const std::vector<std::string> pieces = [] {
        std::vector<std::string> p;
        for (const SectionKey& key : kSectionKeys) {
            p.emplace_back(key.key);
            p.emplace_back(key.key);
            p.push_back("\"" + std::string(key.key) + "\"");
        }
        for (const char* s : {"Keitai_tolvas{", "keitai_tolvas {", "phs_tolvas{{", "}", "}", "}", "]", "]", "index=0",
                              "index=1", "index=5", "index=6", "index=9", "index=10", "index=-1", "index=2.5",
                              "index=3 [label", "index=1e300", "index=x", "index=4;", "21", "40", "81", "50", "30",
                              "2536", "5", "123", "1234", "1235", "12", "1299", "#note", "#c;d", ";", "a;b", "x ;y",
                              " 21 ", "81\t;", "\t40\t", "\"2,3\"", "\"a\r\nb\"", "\"q\"tail", "\"open", "A", "B;", ""}) {
            p.emplace_back(s);
        }
        for (const char* s : {"ドコモ", "ａｕ;", "楽天モバイル", "\u3000", "ー[", "表}"}) p.push_back(EncodeCp932(s));
        for (const char* s : {"\x81", "\xA0\xFF", "\x85\x40", "\x81,", "\xFD", "\x82\x0D"}) p.emplace_back(s);
        return p;
    }();
    return pieces;
}

constexpr std::array<std::string_view, 7> kSeparators = {",", ",", ",", "\r\n", "\n", "\r", ", "};

std::string RandomFile(std::mt19937& random) {
    std::string file;
    const int items = std::uniform_int_distribution<int>(0, 300)(random);
    std::uniform_int_distribution<std::size_t> piece(0, Pieces().size() - 1), separator(0, kSeparators.size() - 1);
    for (int i = 0; i < items; ++i) {
        file += Pieces()[piece(random)];
        file += kSeparators[separator(random)];
    }
    return file;
}

TEST(Differential, RandomFilesLoadAsBefore) {
    std::mt19937 random(20261207);
    for (int n = 0; n < 2000; ++n) {
        const std::string file = RandomFile(random);
        ASSERT_EQ(Dump(file), reference::Dump(reference::Load(file))) << "file " << n << ":\n" << file;
    }
}

TEST(Differential, HostileAndRealFilesLoadAsBefore) {
    std::vector<std::string> files;
    const auto repeat = [](std::string head, std::string_view unit, int times) {
        while (times-- > 0) head += unit;
        return head;
    };
    files.push_back(repeat("keitai_tolvas{\r\n", "#,", 40000) + "Z;");
    files.push_back(repeat("keitai_tolvas{\r\n", ";,", 40000) + "A;");
    files.push_back(repeat("", "phs_tolvas{,A,B,C,D;,", 5000));
    files.push_back(repeat("hash_keitai_tolva_num{\r\n", "12,3,13,4,", 20000));
    files.push_back(repeat("keitai_tolva_num{\r\nindex=0\r\n", "1,", 40000));
    files.push_back(repeat("keitai_tolva_num080{\r\n", "index=5,a;b,", 3000));
    std::ifstream bundled(MILDEN_BUNDLED_DATA_FILE, std::ios::binary);
    files.emplace_back(std::istreambuf_iterator<char>(bundled), std::istreambuf_iterator<char>());
    for (const std::string& file : files) EXPECT_EQ(Dump(file), reference::Dump(reference::Load(file)));
}

TEST(Differential, RowsOfShortCodesLoadAsBeforeAtEveryPlace) {
    // Codes of digits, read the quick way from masks of 64 bytes, among items that are not, at
    // every place a mask can start: a label pads the index line by 0 to 70 bytes.
    const std::string rows = "1,22,333,4444;\r\n55555,;,6;\n7;8,,9\r0a,\r\n#1,b ,22;\r\r\n 3,\"4\",5;;\n01,02;";
    for (std::size_t pad = 0; pad <= 70; ++pad) {
        std::string file = "keitai_tolva_num{\r\nindex=1[" + std::string(pad, 'x') + "\r\n";
        for (int i = 0; i < 6; ++i) file += rows + "\r\n";
        file += "]\r\n}\r\n";
        EXPECT_EQ(Dump(file), reference::Dump(reference::Load(file))) << "pad " << pad;
    }
}

TEST(Differential, RowsOfCodesReadFromAFileAcrossItsReadBlocksLoadAsBefore) {
    // A file is read 256 KiB at a time: rows of codes of every length, cut anywhere by the end
    // of what has been read, load as from memory. Each block read again overwrites its cells.
    std::mt19937 random(20261208);
    std::string file;
    while (file.size() < (std::size_t{3} << 18)) {
        file += "keitai_tolva_num{\r\nindex=" + std::to_string(random() % 10) + "\r\n";
        for (int cell = 0; cell < 100; ++cell) {
            file += std::to_string(random()).substr(0, 1 + random() % 5);
            file += cell % 10 == 9 ? ";\r\n" : ",";
        }
        file += "]\r\n}\r\n";
    }
    test_support::TempDir dir;
    LookupTables fromFile;
    LoadDataFile(fromFile, dir.Write("sorvane.dat", file));
    EXPECT_EQ(reference::Dump(fromFile), reference::Dump(reference::Load(file)));
}

// Every event as one line, to compare two loads of the same bytes.
class EventText : public LoadObserver {
public:
    void OnLoadEvent(const LoadEvent& e) override {
        text += std::to_string(e.at.line) + ":" + std::to_string(e.at.column) + " " + std::string(NameOf(e.kind)) + " " +
                std::string(NameOf(e.reason)) + " " + std::to_string(e.item.size()) + " " + std::to_string(e.value.size()) + "\n";
    }
    std::string text;
};

TEST(Differential, FileReadInBlocksLoadsAsTheSameBytesInMemory) {
    // Files of several read blocks, so that items, quotes and CR LF pairs fall across the
    // boundaries at every kind of place, and a quoted item longer than a block.
    std::mt19937 random(7);
    std::vector<std::string> files;
    for (int n = 0; n < 3; ++n) {
        std::string file;
        while (file.size() < (std::size_t{3} << 19)) file += RandomFile(random);
        files.push_back(file);
    }
    files.push_back("keitai_tolvas{\r\n\"" + std::string(std::size_t{600} << 10, 'n') + ",x\";\r\nB;\r\n}");
    test_support::TempDir dir;
    for (const std::string& file : files) {
        LookupTables fromFile;
        EventText fileEvents;
        LoadDataFile(fromFile, dir.Write("sorvane.dat", file), &fileEvents);
        EXPECT_EQ(reference::Dump(fromFile), reference::Dump(reference::Load(file)));
        LookupTables fromMemory;
        EventText memoryEvents;
        LoadDataBytes(fromMemory, file, &memoryEvents);
        EXPECT_TRUE(fileEvents.text == memoryEvents.text) << "the events of a file differ from those of its bytes";
    }
}

}  // namespace
}  // namespace milden

// Code page 932 through the platform's converter. Every one- and two-byte sequence, and every byte
// cut off by the end of the text, decodes alike on every platform: each build compares its decoding
// with cp932_decoding.txt, made by the Linux build, and names the first sequence that differs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "lookup/cp932.h"

namespace milden {
namespace {

std::string Hex(unsigned value, int digits) {
    char text[9];
    std::snprintf(text, sizeof text, "%0*x", digits, value);
    return text;
}

// The sequences of one first byte: it followed by each byte 00 to ff; or, in the row "end",
// each byte 80 to ff alone at the end of the text.
struct Row {
    std::string name;
    std::vector<std::string> sequences;
    std::vector<std::u16string> decoded;
};

std::vector<Row> DecodeEverySequence() {
    std::vector<Row> rows;
    for (unsigned first = 0x80; first <= 0xFF; ++first) {
        Row row{Hex(first, 2), {}, {}};
        for (unsigned second = 0; second <= 0xFF; ++second) row.sequences.push_back({char(first), char(second)});
        rows.push_back(row);
    }
    Row end{"end", {}, {}};
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) end.sequences.push_back({char(byte)});
    rows.push_back(end);
    for (Row& row : rows)
        for (const std::string& sequence : row.sequences) row.decoded.push_back(DecodeCp932(sequence));
    return rows;
}

bool HasReplacement(const std::u16string& text) { return text.find(u'\uFFFD') != std::u16string::npos; }

// Which sequences of the row give U+FFFD, four to a hex digit, the first sequence in the high bit.
std::string ReplacementMap(const Row& row) {
    std::string map;
    for (std::size_t i = 0; i < row.decoded.size(); i += 4) {
        unsigned digit = 0;
        for (std::size_t j = i; j < i + 4; ++j) digit = digit << 1 | (HasReplacement(row.decoded[j]) ? 1 : 0);
        map += Hex(digit, 1);
    }
    return map;
}

// FNV-1a over each decoding's length and UTF-16 units.
std::uint64_t Digest(const Row& row) {
    std::uint64_t hash = 0xcbf29ce484222325;
    const auto add = [&](unsigned value) {
        for (int byte = 0; byte < 2; ++byte, value >>= 8) hash = (hash ^ (value & 0xFF)) * 0x100000001b3;
    };
    for (const std::u16string& text : row.decoded) {
        add(static_cast<unsigned>(text.size()));
        for (const char16_t unit : text) add(unit);
    }
    return hash;
}

std::string LineOf(const Row& row) {
    return row.name + " " + ReplacementMap(row) + " " + Hex(static_cast<unsigned>(Digest(row) >> 32), 8) +
           Hex(static_cast<unsigned>(Digest(row)), 8);
}

std::string Describe(const std::string& sequence, const std::u16string& decoded) {
    std::string text;
    for (const char byte : sequence) text += Hex(static_cast<unsigned char>(byte), 2) + " ";
    text += "->";
    for (const char16_t unit : decoded) text += " U+" + Hex(unit, 4);
    return text;
}

std::vector<std::string> CommittedLines() {
    std::ifstream in(MILDEN_CP932_DECODING_FILE);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

TEST(Cp932Decoding, EverySequenceDecodesAsInTheLinuxBuild) {
    const std::vector<Row> rows = DecodeEverySequence();
    const std::vector<std::string> committed = CommittedLines();
    std::string lines;
    for (const Row& row : rows) lines += LineOf(row) + "\n";
    ASSERT_EQ(committed.size(), rows.size()) << "cp932_decoding.txt is missing or short; this build gives:\n" << lines;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        const std::string map = ReplacementMap(row);
        const std::string expectedMap = committed[r].substr(row.name.size() + 1, map.size());
        for (std::size_t i = 0; i < row.decoded.size(); ++i) {
            const bool expected = (std::stoul(expectedMap.substr(i / 4, 1), nullptr, 16) >> (3 - i % 4)) & 1;
            ASSERT_EQ(HasReplacement(row.decoded[i]), expected)
                << "first sequence whose U+FFFD differs from the Linux build: " << Describe(row.sequences[i], row.decoded[i]);
        }
        if (LineOf(row) == committed[r]) continue;
        std::ostringstream here;
        for (std::size_t i = 0; i < row.decoded.size(); ++i) here << Describe(row.sequences[i], row.decoded[i]) << "\n";
        FAIL() << "a sequence of row " << row.name << " decodes to another character than in the Linux build ("
               << committed[r] << "); here:\n" << here.str();
    }
}

TEST(DecodeCp932, NamesAndDelimitersDecode) {
    // "ミルデン,090" in code page 932, and a two-byte character whose trail byte is "\" (0x5C).
    EXPECT_EQ(DecodeCp932("\x83\x7E\x83\x8B\x83\x66\x83\x93,090\r\n\x95\x5C"), std::u16string(u"ミルデン,090\r\n表"));
}

TEST(EncodeCp932, KeepsABackslashTrailByteAndRefusesTextTheCodePageLacks) {
    // ソ is 0x83 0x5C in code page 932: its second byte is the backslash.
    EXPECT_EQ(EncodeCp932("ソフトバンク"), "\x83\x5C\x83\x74\x83\x67\x83\x6F\x83\x93\x83\x4E");
    EXPECT_THROW(EncodeCp932("Ａ☃"), std::runtime_error);
}

}  // namespace
}  // namespace milden

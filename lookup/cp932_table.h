// The decoder's table of code page 932: the UTF-16 unit of each character of the code page, asked
// of the platform's converter once per process. cp932_iconv.cpp (iconv) and cp932_win32.cpp
// (MultiByteToWideChar) fill it; CMake builds the one for the target platform. What becomes of
// bytes that are no character is decided by the decoder alone, the same on every platform.
#pragma once

#include <array>
#include <string_view>

namespace milden {

// Lead bytes of two-byte characters.
constexpr bool IsCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
// Bytes past ASCII that are characters alone: the half-width katakana. 0x80, 0xA0 and 0xFD to
// 0xFF are none, even where a converter passes them through (Windows gives 0x80 as U+0080).
constexpr bool IsCp932SingleByte(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }
// Trail bytes of two-byte characters lie in this range (0x7F excepted, which no converter reads).
constexpr unsigned char kCp932FirstTrail = 0x40;
constexpr unsigned char kCp932LastTrail = 0xFC;

// 0 marks bytes the converter does not read as exactly one character of one UTF-16 unit.
struct Cp932Table {
    std::array<char16_t, 128> single{};                  // [byte - 0x80]
    std::array<std::array<char16_t, 256>, 128> pair{};   // [lead - 0x80][trail]
};

// Fills table from the platform's converter. False, leaving the table empty, when the platform
// has no converter for code page 932.
bool FillCp932Table(Cp932Table& table);

// Stores characterOf(bytes) for each one-byte character and each lead and trail byte pair: the
// one loop both converters are asked through.
template <typename CharacterOf>
void FillCp932TableWith(Cp932Table& table, CharacterOf characterOf) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const char single = static_cast<char>(b);
        if (IsCp932SingleByte(static_cast<unsigned char>(b))) table.single[b - 0x80] = characterOf(std::string_view(&single, 1));
        if (!IsCp932LeadByte(static_cast<unsigned char>(b))) continue;
        for (int trail = kCp932FirstTrail; trail <= kCp932LastTrail; ++trail) {
            const char pair[2] = {single, static_cast<char>(trail)};
            table.pair[b - 0x80][trail] = characterOf(std::string_view(pair, 2));
        }
    }
}

}  // namespace milden

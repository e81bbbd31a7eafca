// Code page 932 as the platform's converter reads it, one character at a time, for the decoder's
// table (cp932.cpp). cp932_iconv.cpp (iconv) and cp932_win32.cpp (MultiByteToWideChar) convert;
// CMake builds the one for the target platform. What becomes of bytes that are no character is
// decided by the decoder alone, the same on every platform.
#pragma once

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

// The platform's converter, asked once for each character the decoder meets (a single byte, or a
// lead and a trail byte): the one UTF-16 unit it makes of the bytes, or 0 when it does not read
// them whole as exactly one character of one unit. Asking only for the characters met keeps the
// converter's cost out of a load of ASCII and a few names.
char16_t ConvertCp932Character(std::string_view bytes);
// False when the platform has no converter for code page 932.
bool HasCp932Converter();

}  // namespace milden

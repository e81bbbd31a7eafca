// Decoding of the data file's code page 932 bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace milden {

// Decodes code page 932 (the Windows form of Shift-JIS) to UTF-16 with the platform's converter
// (iconv, or Windows' own). Invalid or truncated sequences become U+FFFD, in the same places on
// every platform, and decoding goes on; it never fails.
std::u16string DecodeCp932(std::string_view bytes);
// The same, into out (replacing what it held), so that a caller can reuse one buffer.
void DecodeCp932(std::string_view bytes, std::u16string& out);
// The same, into a buffer of at least bytes.size() units (a byte never gives more than one);
// returns the number of units written.
std::size_t DecodeCp932NonAscii(std::string_view bytes, char16_t* out);
inline std::size_t DecodeCp932(std::string_view bytes, char16_t* out) {
    // ASCII stays as it is in code page 932, and nearly every value is ASCII throughout.
    std::size_t i = 0;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) {
        out[i] = static_cast<unsigned char>(bytes[i]);
        ++i;
    }
    return i == bytes.size() ? i : i + DecodeCp932NonAscii(bytes.substr(i), out + i);
}

// Encodes UTF-8 text to code page 932 with the platform's converter, for the programs and tests
// that write data files; the tool itself never does. Throws std::runtime_error for text the code
// page lacks.
std::string EncodeCp932(std::string_view utf8);

}  // namespace milden

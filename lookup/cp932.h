// Decoding of the data file's code page 932 bytes.
#pragma once

#include <string>
#include <string_view>

namespace milden {

// Decodes code page 932 (the Windows form of Shift-JIS) to UTF-16 with iconv. Invalid or
// truncated sequences become U+FFFD and decoding goes on; it never fails.
std::u16string DecodeCp932(std::string_view bytes);

// Encodes UTF-8 text to code page 932 with iconv, for the programs and tests that write data
// files; the tool itself never does. Throws std::runtime_error for text the code page lacks.
std::string EncodeCp932(std::string_view utf8);

}  // namespace milden

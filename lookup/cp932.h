// Decoding of the data file's code page 932 bytes.
#pragma once

#include <string>
#include <string_view>

namespace milden {

// Decodes code page 932 (the Windows form of Shift-JIS) to UTF-16 with iconv. Invalid or
// truncated sequences become U+FFFD and decoding goes on; it never fails.
std::u16string DecodeCp932(std::string_view bytes);

}  // namespace milden

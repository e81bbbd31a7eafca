// Code page 932 through the Windows converters: the decoder's characters from MultiByteToWideChar and
// the encoder from WideCharToMultiByte, neither with best-fit or default characters.
#include <windows.h>

#include <stdexcept>
#include <string>

#include "lookup/cp932.h"
#include "lookup/cp932_table.h"
#include "lookup/utf8.h"

namespace milden {
namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

char16_t ConvertCp932Character(std::string_view bytes) {
    wchar_t units[2];
    const int count = ::MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                            units, 2);
    return count == 1 ? static_cast<char16_t>(units[0]) : char16_t{0};
}

bool HasCp932Converter() { return ::IsValidCodePage(kCodePage932); }

std::string EncodeCp932(std::string_view utf8) {
    const std::u16string utf16 = Utf8ToUtf16(utf8);
    if (utf16.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(utf16.data());
    const int length = static_cast<int>(utf16.size());
    // Code page 932 never needs more bytes than UTF-8 for the same text.
    std::string out(utf8.size(), '\0');
    BOOL defaultUsed = FALSE;
    const int written = ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide, length, out.data(),
                                              static_cast<int>(out.size()), nullptr, &defaultUsed);
    if (written <= 0 || defaultUsed) throw std::runtime_error("text not representable in code page 932");
    out.resize(static_cast<std::size_t>(written));
    return out;
}

}  // namespace milden

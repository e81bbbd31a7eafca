// Windows' wide strings and the shared UTF-16 texts: both are UTF-16 here (wchar_t is 16 bits).
#pragma once

#include <string>
#include <string_view>

namespace milden {

inline std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }
inline std::wstring Wide(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }
inline std::u16string FromWide(std::wstring_view text) { return {text.begin(), text.end()}; }

}  // namespace milden

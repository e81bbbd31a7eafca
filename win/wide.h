// Windows' wide strings and the shared UTF-16 texts: both are UTF-16 here (wchar_t is 16 bits).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace milden {

inline std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }
inline std::wstring Wide(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }
inline std::u16string FromWide(std::wstring_view text) { return {text.begin(), text.end()}; }

// The text of a window or control of this process.
inline std::u16string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size() + 1));
    return FromWide(text);
}

}  // namespace milden

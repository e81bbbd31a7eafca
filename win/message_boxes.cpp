#include "win/message_boxes.h"

#include <windows.h>

#include "win/wide.h"

namespace milden {
namespace {

UINT IconOf(BoxStyle style) {
    switch (style) {
    case BoxStyle::Warning: return MB_ICONWARNING;
    case BoxStyle::Information: return MB_ICONINFORMATION;
    case BoxStyle::NoIcon: break;
    }
    return 0;
}

}  // namespace

std::wstring PromptLines(std::u16string_view prompt) {
    std::wstring lines;
    for (std::size_t i = 0; i < prompt.size(); ++i) {
        lines += static_cast<wchar_t>(prompt[i]);
        const bool pairedAlready = i + 1 < prompt.size() && prompt[i + 1] == u'\n';
        if (prompt[i] == u'\r' && !pairedAlready) lines += L'\n';
    }
    return lines;
}

void Win32MessageBoxes::ShowMessage(std::u16string_view prompt, BoxStyle style,
                                    std::optional<std::u16string_view> title) {
    MessageBoxW(GetActiveWindow(), PromptLines(prompt).c_str(), Wide(title.value_or(kApplicationTitle)).c_str(),
                MB_OK | IconOf(style));
}

}  // namespace milden

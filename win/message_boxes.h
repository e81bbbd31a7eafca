// The message-box service on Windows: MessageBoxW, modal to the active window.
#pragma once

#include <string>

#include "engine/toolkit_services.h"

namespace milden {

class Win32MessageBoxes : public MessageBoxService {
public:
    void ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) override;
};

// A prompt as MessageBoxW shows its lines: each carriage return becomes a CR LF pair.
std::wstring PromptLines(std::u16string_view prompt);

}  // namespace milden

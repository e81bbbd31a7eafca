// The message boxes of the windows: real modal QMessageBox dialogs with an OK button only.
#pragma once

#include <QString>

#include "engine/toolkit_services.h"

class QMessageBox;

namespace milden {

class QtMessageBoxService : public MessageBoxService {
public:
    // Shows the box and waits until the user closes it.
    void ShowMessage(std::u16string_view prompt, BoxStyle style,
                     std::optional<std::u16string_view> title) override;
};

// The prompt as the box shows it: each carriage return (or CR LF) becomes a line break.
QString PromptLines(std::u16string_view prompt);

}  // namespace milden

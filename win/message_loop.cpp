#include "win/message_loop.h"

#include <windows.h>

namespace milden {

void RunMessagesUntil(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HWND window = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (window && IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace milden

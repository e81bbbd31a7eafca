#include "win/helpfrm_window.h"

#include "win/message_loop.h"

namespace milden {

HelpfrmWindow::HelpfrmWindow(FormEvents& help, HWND owner) : DesignedWindow(kHelpfrm, help, owner, nullptr), owner_(owner) {}

HelpfrmWindow::~HelpfrmWindow() {
    if (IsWindowVisible(hwnd())) EnableWindow(owner_, TRUE);
}

void HelpfrmWindow::ShowModal() {
    CentreOnScreen(hwnd());
    EnableWindow(owner_, FALSE);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    RunMessagesUntil([this] { return !IsWindow(hwnd()) || !IsWindowVisible(hwnd()); });
}

void HelpfrmWindow::Close() {
    // The owner takes input again before this window goes, so that it is the one activated.
    EnableWindow(owner_, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
    if (IsWindow(owner_)) SetActiveWindow(owner_);
}

LRESULT HelpfrmWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_CLOSE) {
        Close();
        return 0;
    }
    return DesignedWindow::Handle(message, w, l);
}

}  // namespace milden

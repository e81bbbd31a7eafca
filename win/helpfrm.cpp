#include "win/helpfrm.h"

#include "desktop/window_designs.h"
#include "win/link.h"
#include "win/message_loop.h"
#include "win/messages.h"
#include "win/tolvaform.h"
#include "win/wide.h"

namespace milden {
namespace {

std::unique_ptr<Helpfrm>& Instance() {
    static std::unique_ptr<Helpfrm> instance;
    return instance;
}

}  // namespace

Helpfrm& helpfrm() {
    std::unique_ptr<Helpfrm>& instance = Instance();
    if (!instance) instance = std::make_unique<Helpfrm>(InstalledToolkit(), tolvaform().hwnd());
    return *instance;
}

void DestroyHelpfrm() { Instance().reset(); }

Helpfrm::Helpfrm(const Toolkit& toolkit, HWND owner) : toolkit_(toolkit), owner_(owner) {
    // A fixed tool window: a thin title bar with a close box only, kept out of the taskbar.
    window_ = CreateDesignedWindow(this, WS_EX_TOOLWINDOW, Wide(kHelpfrm.caption).c_str(),
                                   WS_POPUP | WS_CAPTION | WS_SYSMENU, owner, nullptr);
    controls_ = std::make_unique<DesignedControls>(kHelpfrm, window_);
    const UINT dpi = GetDpiForWindow(window_);
    controls_->Place(dpi);
    FitClientArea(window_, controls_->ClientSize(dpi), dpi);
}

Helpfrm::~Helpfrm() {
    if (IsWindow(window_)) {
        EnableWindow(owner_, TRUE);
        DestroyWindow(window_);
    }
}

void Helpfrm::ShowModal() {
    CentreOnScreen(window_);
    EnableWindow(owner_, FALSE);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(Control("Command1"));
    RunMessagesUntil([this] { return !IsWindow(window_) || !IsWindowVisible(window_); });
}

void Helpfrm::Close() {
    // The owner takes input again before this window goes, so that it is the one activated.
    EnableWindow(owner_, TRUE);
    ShowWindow(window_, SW_HIDE);
    if (IsWindow(owner_)) SetActiveWindow(owner_);
}

LRESULT Helpfrm::Handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(w);
        if (id == IDOK) PressFocusedButton(window);
        else if (const ControlDesign* control = controls_->DesignOf(id)) {
            if (control->name == "Command1" && HIWORD(w) == BN_CLICKED) Close();
            // Of the labels, only the address is a link; the others take no clicks.
            if (!control->link.empty() && HIWORD(w) == STN_CLICKED) OpenLink(ie_, *toolkit_.browsers, control->link, window);
        }
        return 0;
    }
    case WM_CLOSE: Close(); return 0;
    case kBrowserQuitMessage: ie_.reset(); return 0;
    case WM_DPICHANGED: FollowDpiChange(window, *controls_, w, l); return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace milden

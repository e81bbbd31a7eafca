// The help window helpfrm on Windows: usage notes, the maker's home-page link and a close button.
// One instance for the whole program, a tool window owned by the main window (so no taskbar
// button), shown modal from its help menu. Closing it hides it: its browser reference ie stays
// held across closing and reopening the window.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "win/designed_controls.h"
#include "win/toolkit.h"
#include "win/window_class.h"

namespace milden {

class Helpfrm : public DesignedWindow {
public:
    Helpfrm(const Toolkit& toolkit, HWND owner);
    ~Helpfrm() override;

    // Shows the window centred with the focus on 閉じる, the main window disabled, and returns
    // when it has been closed.
    void ShowModal();

    HWND hwnd() const { return window_; }
    HWND Control(std::string_view name) const { return (*controls_)[name]; }
    // The home-page link's browser; nullptr while none is held.
    BrowserObject* ie() const { return ie_.get(); }

    LRESULT Handle(HWND window, UINT message, WPARAM w, LPARAM l) override;

private:
    void Close();

    Toolkit toolkit_;
    std::unique_ptr<BrowserObject> ie_;
    HWND owner_;
    HWND window_ = nullptr;
    std::unique_ptr<DesignedControls> controls_;
};

// The one help window, created on first use and owned by tolvaform().
Helpfrm& helpfrm();
void DestroyHelpfrm();

}  // namespace milden

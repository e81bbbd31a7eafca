// The help window helpfrm on Windows: the view of its behaviour (desktop/helpfrm.h), a tool
// window owned by the main window (so no taskbar button). Closing it hides it, to be shown again.
#pragma once

#include <windows.h>

#include "desktop/front_end.h"
#include "win/window_class.h"

namespace milden {

class HelpfrmWindow : public DesignedWindow, public HelpfrmView {
public:
    HelpfrmWindow(FormEvents& help, HWND owner);
    ~HelpfrmWindow() override;

    // Shows the window centred, the owner disabled, and returns when it has been closed.
    void ShowModal() override;
    void Close() override;
    void SetFocus(int control) override { FocusControl(control); }

protected:
    LRESULT Handle(UINT message, WPARAM w, LPARAM l) override;

private:
    HWND owner_;
};

}  // namespace milden

// The main window tolvaform on Windows: the view of its behaviour (desktop/tolvaform.h). It
// builds the controls and the menu from the design, passes clicks, typed characters, menu items,
// activation and its end to the behaviour, and reads and moves its controls as the behaviour asks.
#pragma once

#include <windows.h>

#include "desktop/tolvaform.h"
#include "win/window_class.h"

namespace milden {

class TolvaformWindow : public DesignedWindow, public TolvaformView {
public:
    explicit TolvaformWindow(Tolvaform& form);

    std::u16string Text(int control) const override;
    bool IsSelected(int control) const override;
    void Select(int control) override;
    void Show() override;
    void SetFocus(int control) override { FocusControl(control); }

    // The command id of menu item item.
    static constexpr int MenuId(int item) { return kFirstMenuId + item; }

protected:
    LRESULT Handle(UINT message, WPARAM w, LPARAM l) override;

private:
    static constexpr int kFirstMenuId = 10;  // below the controls' ids
    static HMENU BuildMenu();

    Tolvaform& form_;
};

}  // namespace milden

// What tolvaform and helpfrm share on Windows: a top-level window of one class, made from its
// design (frame, caption, controls placed at the window's DPI), which passes the clicks of its
// controls and its activation to its behaviour, and gives every other message to Handle.
#pragma once

#include <windows.h>

#include <memory>

#include "desktop/front_end.h"
#include "desktop/window_designs.h"
#include "win/designed_controls.h"

namespace milden {

class DesignedWindow {
public:
    // Creates the window, hidden, owned by owner, with menu; its events go to form.
    DesignedWindow(const WindowDesign& design, FormEvents& form, HWND owner, HMENU menu);
    // Destroys the window without telling its behaviour.
    virtual ~DesignedWindow();
    DesignedWindow(const DesignedWindow&) = delete;
    DesignedWindow& operator=(const DesignedWindow&) = delete;

    HWND hwnd() const { return window_; }
    // Control number control of the design; nullptr for a number that is none.
    HWND Control(int control) const { return controls_->at(control); }
    int IndexOf(HWND control) const { return controls_->IndexOf(control); }

protected:
    // The messages the window leaves to its own kind; DefWindowProcW for those it does not handle.
    virtual LRESULT Handle(UINT message, WPARAM w, LPARAM l) { return DefWindowProcW(window_, message, w, l); }
    // Moves the keyboard focus into control, once the window is visible; before, activation will.
    void FocusControl(int control);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Dispatch(UINT message, WPARAM w, LPARAM l);

    FormEvents& form_;
    HWND window_ = nullptr;
    std::unique_ptr<DesignedControls> controls_;
};

// Centres the window, frame included, on the work area of its monitor.
void CentreOnScreen(HWND window);

}  // namespace milden

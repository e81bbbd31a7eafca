// The controls of a window design (desktop/window_designs.h) as Win32 child windows: option
// buttons, edit controls with the key filter, static labels, push buttons and links, each named
// for screen readers as the design says, in the design's tab order, placed in pixels at the
// window's DPI.
#pragma once

#include <windows.h>

#include <vector>

#include "desktop/window_designs.h"

namespace milden {

class DesignedControls {
public:
    // Creates the controls as children of parent, control i of the design with the id
    // kFirstId + i. Call Place before showing them.
    DesignedControls(const WindowDesign& design, HWND parent);
    ~DesignedControls();
    DesignedControls(const DesignedControls&) = delete;
    DesignedControls& operator=(const DesignedControls&) = delete;

    static constexpr int kFirstId = 100;

    // Control number control of the design; nullptr for a number that is none.
    HWND at(int control) const;
    // The number of the control window, or of the control with this id; -1 when it is none.
    int IndexOf(HWND window) const;
    int IndexOfId(int id) const;

    // Places and sizes every control at dpi, with the fonts at that size: the message font of
    // Windows (smaller where a caption would not fit it), and the link font for a text link. Where controls overlap, the later one of the
    // design stays visible and takes the clicks.
    void Place(UINT dpi);

    // The client area of the design at dpi, in pixels.
    SIZE ClientSize(UINT dpi) const;

private:
    const WindowDesign& design_;
    std::vector<HWND> controls_;  // in design order
    HFONT font_ = nullptr;
    HFONT linkFont_ = nullptr;
    HBITMAP banner_ = nullptr;
    HBITMAP banner2x_ = nullptr;
};

// Return on a focused push button presses it, as Space does (no button is a default one): call
// for WM_COMMAND IDOK, which the dialog keys send for Return.
void PressFocusedButton(HWND window);

}  // namespace milden

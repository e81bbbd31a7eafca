// The window class shared by tolvaform and helpfrm: a window procedure that hands every message
// to the C++ object whose Handle it was created with.
#pragma once

#include <windows.h>

namespace milden {

class DesignedWindow {
public:
    virtual ~DesignedWindow() = default;
    virtual LRESULT Handle(HWND window, UINT message, WPARAM w, LPARAM l) = 0;
};

// Creates a top-level window of the shared class for owner (its lpCreateParams): the window's
// messages go to owner->Handle from WM_NCCREATE on.
HWND CreateDesignedWindow(DesignedWindow* owner, DWORD extendedStyle, const wchar_t* caption, DWORD style,
                          HWND parent, HMENU menu);

// Centres the window, frame included, on the work area of its monitor.
void CentreOnScreen(HWND window);

class DesignedControls;

// WM_DPICHANGED: places the controls at the new DPI (HIWORD of w) and gives the window its size
// there, at the place Windows suggests (l).
void FollowDpiChange(HWND window, DesignedControls& controls, WPARAM w, LPARAM l);

// Gives the window the outer size that makes its client area client at dpi, with its menu.
void FitClientArea(HWND window, SIZE client, UINT dpi, const RECT* suggested = nullptr);

}  // namespace milden

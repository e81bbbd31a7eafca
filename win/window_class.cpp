#include "win/window_class.h"

#include "win/resource_ids.h"
#include "win/wide.h"

namespace milden {
namespace {

const wchar_t* ClassName(WNDPROC proc) {
    static const wchar_t* name = [proc] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(MILDEN_ICON));
        windowClass.lpszClassName = L"MildenWindow";
        RegisterClassExW(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

struct Frame {
    DWORD style, extendedStyle;
};

Frame FrameOf(Border border) {
    switch (border) {
    case Border::FixedSingle: return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0};
    case Border::FixedToolWindow: break;
    }
    return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
}

// Gives the window the outer size that makes its client area client at dpi, with its menu.
void FitClientArea(HWND window, SIZE client, UINT dpi, const RECT* suggested = nullptr) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), GetMenu(window) != nullptr,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    POINT at{};
    if (suggested) at = {suggested->left, suggested->top};
    else flags |= SWP_NOMOVE;
    SetWindowPos(window, nullptr, at.x, at.y, frame.right - frame.left, frame.bottom - frame.top, flags);
    // The menu bar may be taller than reckoned (a wrapped or larger menu font): make up the rest.
    RECT got;
    GetClientRect(window, &got);
    const int missingWidth = client.cx - got.right, missingHeight = client.cy - got.bottom;
    if (missingWidth == 0 && missingHeight == 0) return;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + missingWidth, frame.bottom - frame.top + missingHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

}  // namespace

DesignedWindow::DesignedWindow(const WindowDesign& design, FormEvents& form, HWND owner, HMENU menu) : form_(form) {
    const Frame frame = FrameOf(design.border);
    window_ = CreateWindowExW(frame.extendedStyle, ClassName(Proc), Wide(design.caption).c_str(), frame.style, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, menu, GetModuleHandleW(nullptr), nullptr);
    controls_ = std::make_unique<DesignedControls>(design, window_);
    const UINT dpi = GetDpiForWindow(window_);
    controls_->Place(dpi);
    FitClientArea(window_, controls_->ClientSize(dpi), dpi);
    // From here on the window's messages reach this object; until now Windows handled them.
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

DesignedWindow::~DesignedWindow() {
    if (!IsWindow(window_)) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void DesignedWindow::FocusControl(int control) {
    if (IsWindowVisible(window_)) SetFocus(Control(control));
}

LRESULT CALLBACK DesignedWindow::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<DesignedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->Dispatch(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT DesignedWindow::Dispatch(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND: {
        const int control = controls_->IndexOfId(LOWORD(w));
        if (LOWORD(w) == IDOK) PressFocusedButton(window_);
        else if (control >= 0 && (HIWORD(w) == BN_CLICKED || HIWORD(w) == STN_CLICKED)) form_.Click(control);
        else if (control < 0) break;
        return 0;
    }
    case WM_ACTIVATE:
        // Leaving the window (for a box, the help window or another program): which control had
        // the focus. Coming back, Windows gives the focus to the window itself, which hands it on.
        if (LOWORD(w) == WA_INACTIVE) form_.Deactivate(controls_->IndexOf(GetFocus()));
        break;
    case WM_SETFOCUS: form_.Activate(); return 0;
    case WM_DPICHANGED: {
        const UINT dpi = HIWORD(w);
        controls_->Place(dpi);
        FitClientArea(window_, controls_->ClientSize(dpi), dpi, reinterpret_cast<const RECT*>(l));
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    }
    }
    return Handle(message, w, l);
}

void CentreOnScreen(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame;
    GetWindowRect(window, &frame);
    const RECT& area = monitor.rcWork;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace milden

#include "win/window_class.h"

#include "win/designed_controls.h"
#include "win/resource_ids.h"

namespace milden {
namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<DesignedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return owner ? owner->Handle(window, message, w, l) : DefWindowProcW(window, message, w, l);
}

const wchar_t* ClassName() {
    static const wchar_t* name = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = WindowProc;
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

}  // namespace

HWND CreateDesignedWindow(DesignedWindow* owner, DWORD extendedStyle, const wchar_t* caption, DWORD style,
                          HWND parent, HMENU menu) {
    return CreateWindowExW(extendedStyle, ClassName(), caption, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, parent, menu, GetModuleHandleW(nullptr), owner);
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

void FitClientArea(HWND window, SIZE client, UINT dpi, const RECT* suggested) {
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

void FollowDpiChange(HWND window, DesignedControls& controls, WPARAM w, LPARAM l) {
    const UINT dpi = HIWORD(w);
    controls.Place(dpi);
    FitClientArea(window, controls.ClientSize(dpi), dpi, reinterpret_cast<const RECT*>(l));
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace milden

#include "win/link_control.h"

#include <string>
#include <utility>

#include "desktop/window_designs.h"

namespace milden {
namespace {

struct LinkState {
    HFONT font = nullptr;
    HBITMAP picture = nullptr;
    SIZE pictureSize{};
    bool pressed = false;
};

LinkState& StateOf(HWND link) { return *reinterpret_cast<LinkState*>(GetWindowLongPtrW(link, GWLP_USERDATA)); }

void Click(HWND link) {
    SendMessageW(GetParent(link), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED), reinterpret_cast<LPARAM>(link));
}

// Draws the picture or the text from the top-left corner, and the focus frame around it.
void Paint(HWND link, HDC dc) {
    const LinkState& state = StateOf(link);
    RECT client;
    GetClientRect(link, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT content = client;
    if (state.picture) {
        HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(source, state.picture);
        BITMAP bitmap;
        GetObjectW(state.picture, sizeof bitmap, &bitmap);
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, state.pictureSize.cx, state.pictureSize.cy, source, 0, 0, bitmap.bmWidth,
                   bitmap.bmHeight, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        content = {0, 0, state.pictureSize.cx, state.pictureSize.cy};
        InflateRect(&content, -kPictureFocusInset, -kPictureFocusInset);
    } else {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(link)), L'\0');
        GetWindowTextW(link, text.data(), static_cast<int>(text.size() + 1));
        const HGDIOBJ old = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(kLinkColour.red, kLinkColour.green, kLinkColour.blue));
        DrawTextW(dc, text.c_str(), -1, &content, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        DrawTextW(dc, text.c_str(), -1, &content, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
    }
    IntersectRect(&content, &content, &client);
    if (GetFocus() == link) DrawFocusRect(dc, &content);
}

LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_NCCREATE: SetWindowLongPtrW(link, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LinkState)); break;
    case WM_NCDESTROY: delete &StateOf(link); break;
    case WM_SETFONT:
        StateOf(link).font = reinterpret_cast<HFONT>(w);
        if (LOWORD(l)) InvalidateRect(link, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(link).font);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(link, &paint);
        Paint(link, dc);
        EndPaint(link, &paint);
        return 0;
    }
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_UPARROW));
        return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(link, nullptr, TRUE); break;
    case WM_LBUTTONDOWN: StateOf(link).pressed = true; return 0;
    case WM_LBUTTONUP: {
        RECT client;
        GetClientRect(link, &client);
        const bool inside = PtInRect(&client, POINT{LOWORD(l), HIWORD(l)});
        if (std::exchange(StateOf(link).pressed, false) && inside) Click(link);
        return 0;
    }
    case WM_GETDLGCODE: {
        // Return comes to the link rather than to the window's dialog keys.
        const auto* key = reinterpret_cast<const MSG*>(l);
        return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
    }
    case WM_KEYDOWN: {
        const bool repeated = (l & (1 << 30)) != 0;  // a held key clicks once
        if ((w == VK_RETURN || w == VK_SPACE) && !repeated) Click(link);
        return 0;
    }
    }
    return DefWindowProcW(link, message, w, l);
}

}  // namespace

const wchar_t* LinkClassName() {
    static const wchar_t* name = [] {
        WNDCLASSW linkClass{};
        linkClass.style = CS_HREDRAW | CS_VREDRAW;
        linkClass.lpfnWndProc = LinkProc;
        linkClass.hInstance = GetModuleHandleW(nullptr);
        linkClass.hCursor = LoadCursorW(nullptr, IDC_UPARROW);
        linkClass.lpszClassName = L"MildenLink";
        RegisterClassW(&linkClass);
        return linkClass.lpszClassName;
    }();
    return name;
}

void SetLinkPicture(HWND link, HBITMAP picture, SIZE size) {
    // A link that could not be created (no window, so no state) shows nothing.
    if (link == nullptr || GetWindowLongPtrW(link, GWLP_USERDATA) == 0) return;
    LinkState& state = StateOf(link);
    state.picture = picture;
    state.pictureSize = size;
    InvalidateRect(link, nullptr, TRUE);
}

}  // namespace milden

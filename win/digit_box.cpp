#include "win/digit_box.h"

#include <commctrl.h>

#include "win/messages.h"

namespace milden {
namespace {

constexpr UINT_PTR kSubclassId = 0x6469;

LRESULT CALLBACK DigitKeyProc(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_GETDLGCODE: {
        // Return comes to the box as a character rather than to the window's dialog keys.
        const auto* key = reinterpret_cast<const MSG*>(l);
        const LRESULT code = DefSubclassProc(box, message, w, l);
        return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_CHAR:
        if (!SendMessageW(GetParent(box), kDigitKeyMessage, w, reinterpret_cast<LPARAM>(box))) return 0;
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(box, DigitKeyProc, kSubclassId); break;
    }
    return DefSubclassProc(box, message, w, l);
}

}  // namespace

void FilterDigitKeys(HWND box) { SetWindowSubclass(box, DigitKeyProc, kSubclassId, 0); }

}  // namespace milden

#include "win/tolvaform_window.h"

#include "win/messages.h"
#include "win/wide.h"

namespace milden {

TolvaformWindow::TolvaformWindow(Tolvaform& form) : DesignedWindow(kTolvaform, form, nullptr, BuildMenu()), form_(form) {}

HMENU TolvaformWindow::BuildMenu() {
    HMENU items = CreatePopupMenu();
    for (std::size_t i = 0; i < kHelpMenuItems.size(); ++i) {
        const MenuItemDesign& item = kHelpMenuItems[i];
        if (IsSeparator(item)) AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
        else AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(MenuId(static_cast<int>(i))), Wide(item.caption).c_str());
    }
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), Wide(kHelpMenu.caption).c_str());
    return bar;
}

std::u16string TolvaformWindow::Text(int control) const { return WindowText(Control(control)); }

bool TolvaformWindow::IsSelected(int control) const {
    return Control(control) && SendMessageW(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TolvaformWindow::Select(int control) {
    for (std::size_t i = 0; i < kTolvaform.controls.size(); ++i) {
        if (kTolvaform.controls[i].kind != ControlKind::OptionButton) continue;
        const bool selected = static_cast<int>(i) == control;
        SendMessageW(Control(static_cast<int>(i)), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void TolvaformWindow::Show() {
    CentreOnScreen(hwnd());
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
}

LRESULT TolvaformWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND: {
        const int item = LOWORD(w) - kFirstMenuId;
        if (item >= 0 && item < static_cast<int>(kHelpMenuItems.size())) form_.MenuClick(item);
        return 0;
    }
    case kDigitKeyMessage: return form_.KeyPress(IndexOf(reinterpret_cast<HWND>(l)), static_cast<char16_t>(w));
    case WM_DESTROY: form_.Unload(); break;
    }
    return DesignedWindow::Handle(message, w, l);
}

}  // namespace milden

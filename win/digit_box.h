// A digit box phone_text090(i): an edit control whose typed characters (WM_CHAR) go through the
// window's key filter first: the parent is asked with kDigitKeyMessage, and may run a search
// (Return) or cancel the key. The box has no length limit of its own, so a paste from its menu
// (WM_PASTE) is never cut.
#pragma once

#include <windows.h>

namespace milden {

// Sends the characters typed into the edit control box through its parent's key filter.
void FilterDigitKeys(HWND box);

}  // namespace milden

// A digit box phone_text090(i): an edit control with the key filter (desktop/key_filter.h) on
// its WM_CHAR. Return asks the parent for a search (kSearchKeyMessage) and then goes on to the
// box; a character key that would insert into a box of four or more characters is dropped. The
// box has no length limit of its own, so a paste from its menu (WM_PASTE) is never cut.
#pragma once

#include <windows.h>

namespace milden {

// Puts the key filter on the edit control box.
void FilterDigitKeys(HWND box);

}  // namespace milden

// A link: the banner Picture1 (a picture) and the help window's address label Label1(5) (text in
// its font, blue and underlined). It shows the up-arrow pointer, takes the focus from Tab and
// shows it with a dotted frame, and is clicked by the left mouse button, Return or Space; a click
// reaches its parent as WM_COMMAND with STN_CLICKED.
#pragma once

#include <windows.h>

namespace milden {

// The window class of links, registered on first use.
const wchar_t* LinkClassName();

// Shows picture (not owned) scaled to size pixels, in place of the window text.
void SetLinkPicture(HWND link, HBITMAP picture, SIZE size);

}  // namespace milden

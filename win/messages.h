// The window messages of our own that the windows and their controls exchange.
#pragma once

#include <windows.h>

namespace milden {

// To a window from one of its digit boxes: a key typed the character w (the box is l). The
// window answers nonzero when the key goes on to the box, zero when it is cancelled.
inline constexpr UINT kDigitKeyMessage = WM_APP + 1;
// To a browser object's own message-only window from its event sink: the browser window has
// closed (OnQuit).
inline constexpr UINT kBrowserQuitMessage = WM_APP + 2;

}  // namespace milden

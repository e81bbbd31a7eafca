// The window messages of our own that the windows and their controls exchange.
#pragma once

#include <windows.h>

namespace milden {

// To the main window from a digit box: Return was typed, run the search request.
inline constexpr UINT kSearchKeyMessage = WM_APP + 1;
// To a window from its browser's event sink: the browser window has closed (OnQuit).
inline constexpr UINT kBrowserQuitMessage = WM_APP + 2;

}  // namespace milden

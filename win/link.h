// The link procedure (desktop/link_procedure.h) on the Windows browser objects.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "win/browser_object.h"

namespace milden {

// Opens address in the window's browser ie, creating one when ie is empty; window receives
// kBrowserQuitMessage when that browser reports that it has quit, and should then empty ie. When
// no browser can be created, ie stays empty and the address opens in the default browser.
void OpenLink(std::unique_ptr<BrowserObject>& ie, BrowserFactory& browsers, std::u16string_view address, HWND window);

}  // namespace milden

// The services the Win32 windows show their boxes and open their browsers through: by default
// MessageBoxW and the InternetExplorer automation object.
#pragma once

#include "desktop/toolkit.h"
#include "win/browser_object.h"

namespace milden {

using Toolkit = ToolkitOf<BrowserFactory>;

// Makes toolkit the one that windows created from now on use; the services must outlive those
// windows. A service left null is the default one.
void InstallToolkit(const Toolkit& toolkit);

// The installed toolkit, both services set.
const Toolkit& InstalledToolkit();

}  // namespace milden

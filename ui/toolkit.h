// The services the Qt windows show their boxes and open their browsers through: by default Qt
// message boxes and no browsers at all (the program installs the helper-process browsers).
#pragma once

#include "desktop/toolkit.h"
#include "ui/browser_object.h"

namespace milden {

using Toolkit = ToolkitOf<BrowserFactory>;

// Makes toolkit the one that windows created from now on use; the services must outlive those
// windows. A service left null is the default one.
void InstallToolkit(const Toolkit& toolkit);

// The installed toolkit, both services set.
const Toolkit& InstalledToolkit();

}  // namespace milden

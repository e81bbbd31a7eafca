// The services the windows show their boxes and open their browsers through. The program installs
// the Qt message box and the helper-process browsers; tests install recording ones, so nothing
// blocks and every box and browser can be checked.
#pragma once

#include "ui/browser_object.h"
#include "engine/toolkit_services.h"

namespace milden {

struct Toolkit {
    MessageBoxService* boxes = nullptr;
    BrowserFactory* browsers = nullptr;
};

// Makes toolkit the one that windows created from now on use; the services must outlive those
// windows. A service left null is the default one: Qt message boxes, and no browsers at all.
void InstallToolkit(const Toolkit& toolkit);

// The installed toolkit, both services set.
const Toolkit& InstalledToolkit();

}  // namespace milden

// The services the Win32 windows show their boxes and open their browsers through. The program
// installs the message boxes of Windows and its browser automation object; tests install
// recording boxes and a fake automation object, so nothing blocks and everything can be checked.
#pragma once

#include "engine/toolkit_services.h"
#include "win/browser_object.h"

namespace milden {

struct Toolkit {
    MessageBoxService* boxes = nullptr;
    BrowserFactory* browsers = nullptr;
};

// Makes toolkit the one that windows created from now on use; the services must outlive those
// windows. A service left null is the default one: MessageBoxW, and the InternetExplorer object.
void InstallToolkit(const Toolkit& toolkit);

// The installed toolkit, both services set.
const Toolkit& InstalledToolkit();

}  // namespace milden

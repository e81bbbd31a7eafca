#include "win/toolkit.h"

#include "win/internet_explorer.h"
#include "win/message_boxes.h"

namespace milden {
namespace {

InstalledServices<BrowserFactory>& Services() {
    static Win32MessageBoxes boxes;
    static InternetExplorerFactory browsers;
    static InstalledServices<BrowserFactory> services({&boxes, &browsers});
    return services;
}

}  // namespace

void InstallToolkit(const Toolkit& toolkit) { Services().Install(toolkit); }
const Toolkit& InstalledToolkit() { return Services().installed(); }

}  // namespace milden

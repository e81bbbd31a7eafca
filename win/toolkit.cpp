#include "win/toolkit.h"

#include "win/internet_explorer.h"
#include "win/message_boxes.h"

namespace milden {
namespace {

const Toolkit& Defaults() {
    static Win32MessageBoxes boxes;
    static InternetExplorerFactory browsers;
    static const Toolkit defaults{&boxes, &browsers};
    return defaults;
}

Toolkit& Installed() {
    static Toolkit installed = Defaults();
    return installed;
}

}  // namespace

void InstallToolkit(const Toolkit& toolkit) {
    Toolkit& installed = Installed();
    installed.boxes = toolkit.boxes ? toolkit.boxes : Defaults().boxes;
    installed.browsers = toolkit.browsers ? toolkit.browsers : Defaults().browsers;
}

const Toolkit& InstalledToolkit() { return Installed(); }

}  // namespace milden

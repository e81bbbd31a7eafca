#include "ui/toolkit.h"

#include "ui/qt_message_box_service.h"

namespace milden {
namespace {

class NoBrowsers : public BrowserFactory {
public:
    std::unique_ptr<BrowserObject> Create() override { return nullptr; }
};

const Toolkit& Defaults() {
    static QtMessageBoxService qtBoxes;
    static NoBrowsers noBrowsers;
    static const Toolkit defaults{&qtBoxes, &noBrowsers};
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

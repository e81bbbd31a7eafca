#include "toolkit.h"

#include "qt_message_box_service.h"

namespace milden {
namespace {

class NoBrowsers : public BrowserFactory {
public:
    std::unique_ptr<BrowserObject> Create() override { return nullptr; }
};

Toolkit& Installed() {
    static QtMessageBoxService qtBoxes;
    static NoBrowsers noBrowsers;
    static Toolkit toolkit{&qtBoxes, &noBrowsers};
    return toolkit;
}

}  // namespace

void InstallToolkit(const Toolkit& toolkit) {
    Toolkit& installed = Installed();
    if (toolkit.boxes) installed.boxes = toolkit.boxes;
    if (toolkit.browsers) installed.browsers = toolkit.browsers;
}

const Toolkit& InstalledToolkit() { return Installed(); }

}  // namespace milden

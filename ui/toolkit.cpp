#include "ui/toolkit.h"

#include "ui/qt_message_box_service.h"

namespace milden {
namespace {

class NoBrowsers : public BrowserFactory {
public:
    std::unique_ptr<BrowserObject> Create() override { return nullptr; }
};

InstalledServices<BrowserFactory>& Services() {
    static QtMessageBoxService qtBoxes;
    static NoBrowsers noBrowsers;
    static InstalledServices<BrowserFactory> services({&qtBoxes, &noBrowsers});
    return services;
}

}  // namespace

void InstallToolkit(const Toolkit& toolkit) { Services().Install(toolkit); }
const Toolkit& InstalledToolkit() { return Services().installed(); }

}  // namespace milden

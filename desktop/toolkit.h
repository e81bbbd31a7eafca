// The services a front end's windows show their boxes and open their browsers through, held in
// one place per front end. The program keeps the front end's own services; tests install
// recording ones, so nothing blocks and every box and browser can be checked.
#pragma once

#include "engine/toolkit_services.h"

namespace milden {

template <class BrowserFactory>
struct ToolkitOf {
    MessageBoxService* boxes = nullptr;
    BrowserFactory* browsers = nullptr;
};

// The installed services of one front end, which starts with defaults.
template <class BrowserFactory>
class InstalledServices {
public:
    using Toolkit = ToolkitOf<BrowserFactory>;

    explicit InstalledServices(const Toolkit& defaults) : defaults_(defaults), installed_(defaults) {}
    // A service left null is the default one.
    void Install(const Toolkit& toolkit) {
        installed_.boxes = toolkit.boxes ? toolkit.boxes : defaults_.boxes;
        installed_.browsers = toolkit.browsers ? toolkit.browsers : defaults_.browsers;
    }
    const Toolkit& installed() const { return installed_; }

private:
    Toolkit defaults_;
    Toolkit installed_;
};

}  // namespace milden

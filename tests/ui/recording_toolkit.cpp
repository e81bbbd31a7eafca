#include "tests/ui/recording_toolkit.h"

namespace milden::test_support {

bool RecordingBrowser::Navigate(const QString& address) {
    if (failNavigate) return false;
    navigations << address;
    return true;
}

bool RecordingBrowser::SetVisible(bool v) {
    if (failSetVisible) return false;
    visible = v;
    return true;
}

std::unique_ptr<BrowserObject> RecordingBrowserFactory::Create() {
    ++attempts;
    if (failCreate) return nullptr;
    auto browser = std::make_unique<RecordingBrowser>();
    browser->failNavigate = failNavigate;
    created.emplace_back(browser.get());
    return browser;
}

}  // namespace milden::test_support

// The browser window that the web links drive on Windows: created on demand, sent to an address,
// made visible, and reporting when the user has closed it.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

namespace milden {

class BrowserObject {
public:
    virtual ~BrowserObject() = default;
    // Starts loading address and returns without waiting for the page; false on failure.
    virtual bool Navigate(std::u16string_view address) = 0;
    // Shows the browser window; false on failure.
    virtual bool SetVisible(bool visible) = 0;
};

class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    // A new browser of its own, not yet visible, or nullptr when none can be created. onQuit runs
    // on the user-interface thread when the user closes that browser window.
    virtual std::unique_ptr<BrowserObject> Create(std::function<void()> onQuit) = 0;
    // Opens address in the user's default browser: what a link does when Create fails.
    virtual void OpenInDefaultBrowser(std::u16string_view address) = 0;
};

}  // namespace milden

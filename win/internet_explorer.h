// The web links' browser on Windows: the platform's InternetExplorer automation object, driven
// through IWebBrowser2 (Navigate with the address alone, Visible), its OnQuit event taken from
// DWebBrowserEvents2 through a connection point. Current Windows releases have retired that
// object; where it cannot be created, the link opens the user's default browser instead.
#pragma once

#include <windows.h>
#include <exdisp.h>

#include <functional>

#include "desktop/front_end.h"

namespace milden {

// Makes a new automation object, as CoCreateInstance does: S_OK and *browser set, or a failure.
using CreateWebBrowser = std::function<HRESULT(IWebBrowser2** browser)>;
// Opens an address in the user's default browser.
using OpenAddress = std::function<void(std::u16string_view address)>;

// A new InternetExplorer object in a process of its own (CLSID_InternetExplorer, local server).
HRESULT CreateInternetExplorer(IWebBrowser2** browser);

// ShellExecuteW's "open" on the address.
void OpenWithShell(std::u16string_view address);

class InternetExplorerFactory : public BrowserFactory {
public:
    explicit InternetExplorerFactory(CreateWebBrowser create = CreateInternetExplorer,
                                     OpenAddress openInDefaultBrowser = OpenWithShell);

    // The object from create, subscribed to its events: events hears OnQuit as a message of its
    // own once the browser's OnQuit event has arrived (through the thread's message loop, as COM
    // delivers calls to a single-threaded apartment). Releasing the browser ends the subscription;
    // it never closes the browser window.
    std::unique_ptr<BrowserObject> Create(BrowserEvents& events) override;
    void OpenInDefaultBrowser(std::u16string_view address) override { openInDefaultBrowser_(address); }

private:
    CreateWebBrowser create_;
    OpenAddress openInDefaultBrowser_;
};

}  // namespace milden

#include "win/link.h"

#include "desktop/link_procedure.h"
#include "win/messages.h"

namespace milden {

void OpenLink(std::unique_ptr<BrowserObject>& ie, BrowserFactory& browsers, std::u16string_view address, HWND window) {
    bool created = true;
    RunLinkProcedure(
        ie,
        [&] {
            // Posted: the browser may be released only once its own event call is over.
            std::unique_ptr<BrowserObject> browser =
                browsers.Create([window] { PostMessageW(window, kBrowserQuitMessage, 0, 0); });
            created = browser != nullptr;
            return browser;
        },
        address);
    if (!created) browsers.OpenInDefaultBrowser(address);
}

}  // namespace milden

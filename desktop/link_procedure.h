// A window's browser reference ie and the link procedure that opens a web link in it: the banner
// on the main window and the address label on the help window each drive a browser of their own.
#pragma once

#include <memory>
#include <string_view>

#include "desktop/front_end.h"

namespace milden {

class BrowserReference : private BrowserEvents {
public:
    explicit BrowserReference(BrowserFactory& browsers) : browsers_(browsers) {}
    BrowserReference(const BrowserReference&) = delete;
    BrowserReference& operator=(const BrowserReference&) = delete;

    // The link procedure: creates a browser when ie is empty, sends it to address and makes it
    // visible. Any failure ends it silently and keeps what was done before: a failed creation
    // leaves ie empty (the address then goes to the default browser, where the platform has one)
    // and the next click tries again; a failed Navigate or SetVisible leaves ie held.
    void RunLinkProcedure(std::u16string_view address);

    // The browser held; nullptr while ie is empty.
    BrowserObject* get() const { return ie_.get(); }

private:
    // ie_OnQuit: the browser window has closed; ie lets it go and is empty again.
    void OnQuit() override { ie_.reset(); }

    BrowserFactory& browsers_;
    std::unique_ptr<BrowserObject> ie_;
};

}  // namespace milden

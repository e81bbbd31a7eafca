// The procedure behind both web links (the banner and the help window's address label), for any
// window's browser object.
#pragma once

#include <memory>

namespace milden {

// Opens address in the window's browser ie: creates one with create() when ie is empty, navigates
// it and makes it visible. Any failure (create() giving nullptr, Navigate or SetVisible giving
// false, an exception) ends the procedure silently and keeps what was done before it, so a failed
// creation leaves ie empty and the next click tries again, and a failed Navigate leaves ie held.
template <class Browser, class Create, class Address>
void RunLinkProcedure(std::unique_ptr<Browser>& ie, Create&& create, const Address& address) {
    try {
        if (!ie) {
            ie = create();
            if (!ie) return;
        }
        if (!ie->Navigate(address)) return;
        ie->SetVisible(true);
    } catch (...) {
        // Failures of the web links are never shown.
    }
}

}  // namespace milden

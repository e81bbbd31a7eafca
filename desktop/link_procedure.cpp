#include "desktop/link_procedure.h"

namespace milden {

void BrowserReference::RunLinkProcedure(std::u16string_view address) {
    try {
        if (!ie_) {
            ie_ = browsers_.Create(*this);
            if (!ie_) {
                browsers_.OpenInDefaultBrowser(address);
                return;
            }
        }
        if (!ie_->Navigate(address)) return;
        ie_->SetVisible(true);
    } catch (...) {
        // Failures of the web links are never shown.
    }
}

}  // namespace milden

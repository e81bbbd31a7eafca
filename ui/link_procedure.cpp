#include "ui/link_procedure.h"

namespace milden {

void RunLinkProcedure(std::unique_ptr<BrowserObject>& ie, BrowserFactory& factory, const QString& address,
                      const std::function<void()>& onQuit) {
    try {
        if (!ie) {
            std::unique_ptr<BrowserObject> created = factory.Create();
            if (!created) return;
            // Queued, with the browser as context: the handler may delete the browser, which must
            // not happen inside its own signal, and deleting it ends the subscription.
            QObject::connect(created.get(), &BrowserObject::OnQuit, created.get(), onQuit, Qt::QueuedConnection);
            ie = std::move(created);
        }
        if (!ie->Navigate(address)) return;
        ie->SetVisible(true);
    } catch (...) {
        // Failures of the web links are never shown.
    }
}

}  // namespace milden

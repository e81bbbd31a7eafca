#include "ui/link_procedure.h"

#include "desktop/link_procedure.h"

namespace milden {

void RunLinkProcedure(std::unique_ptr<BrowserObject>& ie, BrowserFactory& factory, const QString& address,
                      const std::function<void()>& onQuit) {
    RunLinkProcedure(
        ie,
        [&] {
            std::unique_ptr<BrowserObject> created = factory.Create();
            // Queued, with the browser as context: the handler may delete the browser, which must
            // not happen inside its own signal, and deleting it ends the subscription.
            if (created) QObject::connect(created.get(), &BrowserObject::OnQuit, created.get(), onQuit, Qt::QueuedConnection);
            return created;
        },
        address);
}

}  // namespace milden

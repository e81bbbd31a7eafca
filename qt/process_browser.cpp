#include "qt/process_browser.h"

#include <QCoreApplication>
#include <QPointer>

#include "qt/helper_process_browser.h"

namespace milden {
namespace {

class ProcessBrowserFactory : public BrowserFactory {
public:
    std::unique_ptr<BrowserObject> Create(BrowserEvents& events) override {
        std::unique_ptr<HelperProcessBrowser> browser =
            HelperProcessBrowser::Start(FindBrowserHelper(QCoreApplication::applicationDirPath()));
        if (!browser) return nullptr;
        // Queued on the application, not on the browser: the window lets the browser go in OnQuit,
        // which must not happen inside an event of the browser itself. A browser let go before
        // then reports nothing.
        QObject::connect(
            browser.get(), &HelperProcessBrowser::closed, QCoreApplication::instance(),
            [&events, browser = QPointer<HelperProcessBrowser>(browser.get())] {
                if (browser) events.OnQuit();
            },
            Qt::QueuedConnection);
        return browser;
    }
    void OpenInDefaultBrowser(std::u16string_view) override {}
};

}  // namespace

std::unique_ptr<BrowserFactory> CreateProcessBrowserFactory() { return std::make_unique<ProcessBrowserFactory>(); }

}  // namespace milden

#include "ui/process_browser.h"

#include <QCoreApplication>

#include "ui/helper_process_browser.h"

namespace milden {
namespace {

class ProcessBrowserFactory : public BrowserFactory {
public:
    std::unique_ptr<BrowserObject> Create() override {
        return HelperProcessBrowser::Start(FindBrowserHelper(QCoreApplication::applicationDirPath()));
    }
};

}  // namespace

std::unique_ptr<BrowserFactory> CreateProcessBrowserFactory() { return std::make_unique<ProcessBrowserFactory>(); }

}  // namespace milden

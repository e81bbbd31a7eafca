#include "process_browser.h"

namespace milden {
namespace {

// Until the helper process is wired in, no browser can be created; the links then do nothing.
class NoBrowserFactory : public BrowserFactory {
public:
    std::unique_ptr<BrowserObject> Create() override { return nullptr; }
};

}  // namespace

std::unique_ptr<BrowserFactory> CreateProcessBrowserFactory() { return std::make_unique<NoBrowserFactory>(); }

}  // namespace milden

// The browsers of the web links on Linux: milden-browser helper processes.
#pragma once

#include <memory>

#include "desktop/front_end.h"

namespace milden {

// The factory the program uses for its web links. A browser it makes reports OnQuit as an event
// of its own once its helper has ended; when no helper can be started the link does nothing.
std::unique_ptr<BrowserFactory> CreateProcessBrowserFactory();

}  // namespace milden

// Browsers backed by the milden-browser helper process.
#pragma once

#include <memory>

#include "ui/browser_object.h"

namespace milden {

// The factory the program uses for its web links.
std::unique_ptr<BrowserFactory> CreateProcessBrowserFactory();

}  // namespace milden

// The link procedure (desktop/link_procedure.h) on the Qt browser objects.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "ui/browser_object.h"

namespace milden {

// Opens address in the window's browser ie: creates one when ie is empty, navigates it and makes
// it visible. Any failure ends the procedure silently and keeps what was done before it, so a
// failed creation leaves ie empty and the next click tries again. onQuit runs as an ordinary
// queued event when a browser created here reports that it has quit; it should empty ie.
void RunLinkProcedure(std::unique_ptr<BrowserObject>& ie, BrowserFactory& factory, const QString& address,
                      const std::function<void()>& onQuit);

}  // namespace milden

// One line of the tool-to-browser protocol: "navigate <address>", "show" or "close". The helper
// answers only "loaded ok" or "loaded failed" when a page has finished loading.
#pragma once

#include <QString>
#include <QUrl>

namespace milden {

struct BrowserCommand {
    enum class Kind { Ignore, Navigate, Show, Close };
    Kind kind = Kind::Ignore;
    QUrl address;  // set for Navigate only
};

// Parses one line. Only http and https addresses are navigated (file as well when allowFile is
// set, which only tests do); anything else, malformed or unknown, is Ignore.
BrowserCommand ParseBrowserCommand(const QString& line, bool allowFile);

}  // namespace milden

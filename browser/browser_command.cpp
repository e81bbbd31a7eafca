#include "browser/browser_command.h"

namespace milden {

BrowserCommand ParseBrowserCommand(const QString& line, bool allowFile) {
    const QString text = line.trimmed();
    if (text == QLatin1String("show")) return {BrowserCommand::Kind::Show, {}};
    if (text == QLatin1String("close")) return {BrowserCommand::Kind::Close, {}};
    const QLatin1String verb("navigate ");
    if (!text.startsWith(verb)) return {};
    const QUrl address(text.mid(verb.size()).trimmed(), QUrl::StrictMode);
    if (!address.isValid()) return {};
    const QString scheme = address.scheme();
    const bool web = (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !address.host().isEmpty();
    const bool file = allowFile && scheme == QLatin1String("file");
    if (!web && !file) return {};
    return {BrowserCommand::Kind::Navigate, address};
}

}  // namespace milden

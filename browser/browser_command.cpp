#include "browser/browser_command.h"

namespace milden {

QByteArray ProtocolLine(const char* verb, const QString& argument) {
    QByteArray line(verb);
    if (!argument.isEmpty()) line += ' ' + argument.toUtf8();
    return line + '\n';
}

BrowserCommand ParseBrowserCommand(const QString& line, bool allowFile) {
    const QString text = line.trimmed();
    if (text == QLatin1String(kShowVerb)) return {BrowserCommand::Kind::Show, {}};
    if (text == QLatin1String(kCloseVerb)) return {BrowserCommand::Kind::Close, {}};
    const QString verb = QLatin1String(kNavigateVerb) + QLatin1Char(' ');
    if (!text.startsWith(verb)) return {};
    const QUrl address(text.mid(verb.size()).trimmed(), QUrl::StrictMode);
    if (!address.isValid()) return {};
    const QString scheme = address.scheme();
    const bool web = (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !address.host().isEmpty();
    const bool file = allowFile && scheme == QLatin1String("file");
    if (!web && !file) return {};
    return {BrowserCommand::Kind::Navigate, address};
}

std::optional<bool> ParseLoadedAnswer(const QByteArray& line) {
    const QByteArray answer = line.trimmed();
    if (answer == kLoadedOkAnswer) return true;
    if (answer == kLoadedFailedAnswer) return false;
    return std::nullopt;
}

}  // namespace milden

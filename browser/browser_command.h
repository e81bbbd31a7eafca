// The tool-to-browser protocol, spoken over the helper's standard input and output, one line each
// way: the tool writes "navigate <address>", "show" or "close"; the helper answers only
// "loaded ok" or "loaded failed" when a page has finished loading. Both sides write and read
// their lines through this file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

namespace milden {

// The three commands the tool writes.
inline constexpr char kNavigateVerb[] = "navigate";
inline constexpr char kShowVerb[] = "show";
inline constexpr char kCloseVerb[] = "close";
// The helper's two answers.
inline constexpr char kLoadedOkAnswer[] = "loaded ok";
inline constexpr char kLoadedFailedAnswer[] = "loaded failed";

// One line as written: the verb or answer, then the argument after one space when there is one,
// then the line end.
QByteArray ProtocolLine(const char* verb, const QString& argument = {});

struct BrowserCommand {
    enum class Kind { Ignore, Navigate, Show, Close };
    Kind kind = Kind::Ignore;
    QUrl address;  // set for Navigate only
};

// Parses one line the tool wrote. Only http and https addresses are navigated (file as well when
// allowFile is set, which only tests do); anything else, malformed or unknown, is Ignore.
BrowserCommand ParseBrowserCommand(const QString& line, bool allowFile);

// Parses one line the helper wrote: whether the page loaded, or nothing for any other line.
std::optional<bool> ParseLoadedAnswer(const QByteArray& line);

}  // namespace milden

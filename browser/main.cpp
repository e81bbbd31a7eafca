// milden-browser: reads commands from standard input, one a line, and shows web pages. It exits
// when its window closes. When standard input ends (the tool has gone away) a shown window stays
// open for the user; a helper whose window was never shown exits.
#include <QApplication>
#include <QLocale>
#include <QSocketNotifier>
#include <QWebEngineView>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "browser/browser_command.h"
#include "qt/qt_translations.h"
#include "browser/browser_window.h"

namespace {

// Chromium refuses to start its sandbox as root; only then is it turned off.
void DisableSandboxForRoot() {
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

}  // namespace

int main(int argc, char** argv) {
    DisableSandboxForRoot();
    // Once the tool has gone, an answer written to it is lost instead of ending the browser.
    std::signal(SIGPIPE, SIG_IGN);
    // Japanese like the tool: the engine's own pages (errors) and the languages a page is asked in.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QApplication app(argc, argv);
    milden::InstallQtJapanese();
    app.setQuitOnLastWindowClosed(true);
    const bool allowFile = qEnvironmentVariableIntValue("MILDEN_BROWSER_ALLOW_FILE") == 1;

    milden::BrowserWindow window;
    window.setAttribute(Qt::WA_QuitOnClose);
    // The one answer: whether a page has loaded, so the tool (and its tests) can tell.
    QObject::connect(window.view(), &QWebEngineView::loadFinished, &app, [](bool ok) {
        std::fputs(milden::ProtocolLine(ok ? milden::kLoadedOkAnswer : milden::kLoadedFailedAnswer).constData(), stdout);
        std::fflush(stdout);
    });

    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) return;
        if (got <= 0) {  // the tool has gone away: the window is the user's now
            input.setEnabled(false);
            if (!window.isVisible()) app.quit();
            return;
        }
        pending.append(chunk, static_cast<size_t>(got));
        if (pending.size() > 65536) pending.clear();  // no line is that long: drop the garbage
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const QString line = QString::fromUtf8(pending.data(), static_cast<qsizetype>(end));
            pending.erase(0, end + 1);
            const milden::BrowserCommand command = milden::ParseBrowserCommand(line, allowFile);
            switch (command.kind) {
            case milden::BrowserCommand::Kind::Navigate: window.view()->load(command.address); break;
            case milden::BrowserCommand::Kind::Show: window.show(); window.raise(); window.activateWindow(); break;
            case milden::BrowserCommand::Kind::Close: window.close(); app.quit(); break;
            case milden::BrowserCommand::Kind::Ignore: break;
            }
        }
    });
    return app.exec();
}

// Start-up harness: creates the application and tolvaform as the program does, loads the data
// file of the current directory, shows the window and exits as soon as it has been shown.
// scripts/bench times it as a whole process.
#include <QApplication>
#include <QTimer>

#include "process_browser.h"
#include "qt_message_box_service.h"
#include "tolvaform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ミルデン"));
    milden::QtMessageBoxService boxes;
    const std::unique_ptr<milden::BrowserFactory> browsers = milden::CreateProcessBrowserFactory();
    milden::InstallToolkit({&boxes, browsers.get()});

    milden::tolvaform().Load();
    // The first turn of the event loop after Load() handles the show and the first paint.
    QTimer::singleShot(0, &app, [] { QApplication::quit(); });
    const int status = QApplication::exec();
    milden::DestroyTolvaform();
    return status;
}

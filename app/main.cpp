// ミルデン: the main window on the data file of the current directory.
#include <QApplication>

#include "process_browser.h"
#include "qt_message_box_service.h"
#include "qt_translations.h"
#include "tolvaform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ミルデン"));
    // No display name: Qt would append it to every window caption on X11.
    milden::InstallQtJapanese();  // without it Qt's own texts stay English

    milden::QtMessageBoxService boxes;
    const std::unique_ptr<milden::BrowserFactory> browsers = milden::CreateProcessBrowserFactory();
    milden::InstallToolkit({&boxes, browsers.get()});

    milden::tolvaform().Load();
    const int status = QApplication::exec();
    milden::DestroyTolvaform();
    return status;
}

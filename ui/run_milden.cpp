#include "ui/run_milden.h"

#include <QApplication>

#include "lookup/format.h"
#include "ui/process_browser.h"
#include "ui/qt_message_box_service.h"
#include "ui/qt_translations.h"
#include "ui/tolvaform.h"

namespace milden {

int RunMilden(int argc, char* argv[], const std::function<void()>& atStart) {
    QApplication app(argc, argv);
    const std::u16string_view title = kApplicationTitle;
    QApplication::setApplicationName(QString::fromUtf16(title.data(), static_cast<qsizetype>(title.size())));
    // No display name: Qt would append it to every window caption on X11.
    InstallQtJapanese();  // without it Qt's own texts stay English

    QtMessageBoxService boxes;
    const std::unique_ptr<BrowserFactory> browsers = CreateProcessBrowserFactory();
    InstallToolkit({&boxes, browsers.get()});

    tolvaform().Load();
    if (atStart) atStart();
    const int status = QApplication::exec();
    DestroyTolvaform();
    return status;
}

}  // namespace milden

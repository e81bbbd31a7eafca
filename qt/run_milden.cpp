#include "qt/run_milden.h"

#include <QApplication>

#include "desktop/tolvaform.h"
#include "lookup/format.h"
#include "qt/process_browser.h"
#include "qt/qt_front_end.h"
#include "qt/qt_message_box_service.h"
#include "qt/qt_text.h"
#include "qt/qt_translations.h"

namespace milden {

int RunMilden(int argc, char* argv[], const std::function<void()>& atStart) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ToQString(kApplicationTitle));
    // No display name: Qt would append it to every window caption on X11.
    InstallQtJapanese();  // without it Qt's own texts stay English

    QtMessageBoxService boxes;
    const std::unique_ptr<BrowserFactory> browsers = CreateProcessBrowserFactory();
    QtFrontEnd frontEnd(boxes, *browsers);

    Tolvaform form(frontEnd);
    form.Load();
    if (atStart) atStart();
    return QApplication::exec();
}

}  // namespace milden

// What every window test needs: both windows of the Qt front end over recording boxes and
// browsers, in a current directory of their own, and the check that no window is left open.
#pragma once

#include <QApplication>
#include <QStringList>

#include "desktop/helpfrm.h"
#include "desktop/tolvaform.h"
#include "qt/qt_front_end.h"
#include "tests/support/recording_browsers.h"
#include "tests/support/recording_services.h"
#include "tests/support/temp_dir.h"

namespace milden::test_support {

// A recorded text as a Qt string.
inline QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

struct QtWindows {
    // dataFile: the UTF-8 text of the sorvane.dat of the current directory; none when null.
    explicit QtWindows(const char* dataFile = nullptr) : dir(dataFile ? CurrentDirectory(dataFile) : CurrentDirectory()) {}

    TolvaformWindow& window() const { return *frontEnd.tolvaform(); }
    // The help window, made on first use.
    HelpfrmWindow& help() {
        form.helpfrm();
        return *frontEnd.helpfrm();
    }
    // Chooses menu item item of the main window.
    void Choose(int item) { window().MenuItem(item)->trigger(); }

    CurrentDirectory dir;
    RecordingBoxes boxes;
    RecordingBrowsers browsers;
    QtFrontEnd frontEnd{boxes, browsers};
    Tolvaform form{frontEnd};
};

// The windows still open once every window object has gone (none expected).
inline QStringList WindowsLeft() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (QWidget* w : QApplication::topLevelWidgets()) left << w->objectName() + "/" + w->metaObject()->className();
    return left;
}

}  // namespace milden::test_support

// What every window test needs: both windows of the Qt front end over recording boxes and
// browsers, in a current directory of their own, and the check that no window is left open.
// The application goes on when a test closes its last window.
#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <algorithm>

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
    explicit QtWindows(const char* dataFile = nullptr) : dir(dataFile ? CurrentDirectory(dataFile) : CurrentDirectory()) {
        QApplication::setQuitOnLastWindowClosed(false);
    }

    TolvaformWindow& window() const { return *frontEnd.tolvaform(); }
    // The help window, made on first use.
    HelpfrmWindow& help() {
        form.helpfrm();
        return *frontEnd.helpfrm();
    }
    // Runs the main window's start-up and waits until it is the active window.
    [[nodiscard]] bool Start() {
        form.Load();
        return QTest::qWaitForWindowActive(&window());
    }
    // Chooses menu item item of the main window.
    void Choose(int item) { window().MenuItem(item)->trigger(); }

    CurrentDirectory dir;
    RecordingBoxes boxes;
    RecordingBrowsers browsers;
    QtFrontEnd frontEnd{boxes, browsers};
    Tolvaform form{frontEnd};
};

// Whether text holds a Japanese character (from U+3000 on), as every name the user meets does.
inline bool HasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

// The windows still open once every window object has gone (none expected).
inline QStringList WindowsLeft() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (QWidget* w : QApplication::topLevelWidgets()) left << w->objectName() + "/" + w->metaObject()->className();
    return left;
}

}  // namespace milden::test_support

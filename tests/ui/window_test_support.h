// What every window test needs: a current directory of its own with or without a data file,
// and the check that no window is left open afterwards.
#pragma once

#include <QApplication>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTest>
#include <string_view>

#include "lookup/cp932.h"
#include "tests/support/temp_dir.h"
#include "ui/tolvaform.h"

namespace milden::test_support {

// Makes a temporary directory the current one for the object's lifetime, optionally holding a
// sorvane.dat written from UTF-8 text in code page 932.
class CurrentDirectory {
public:
    CurrentDirectory() : previous_(QDir::currentPath()) { QDir::setCurrent(QString::fromStdString(dir_.path().string())); }
    explicit CurrentDirectory(std::string_view dataFileUtf8) : CurrentDirectory() {
        dir_.Write("sorvane.dat", EncodeCp932(dataFileUtf8));
    }
    ~CurrentDirectory() { QDir::setCurrent(previous_); }

private:
    TempDir dir_;
    QString previous_;
};

// Destroys the windows and reports the names of those still open (none expected).
inline QStringList CloseAllWindows() {
    DestroyTolvaform();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (QWidget* w : QApplication::topLevelWidgets()) left << w->objectName() + "/" + w->metaObject()->className();
    return left;
}

}  // namespace milden::test_support

// Ends a start-up benchmark once its window has been painted: the window's first paint paints
// its children and hands the picture to the platform in the same pass, and the quit posted from
// it is taken after that pass.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace milden::bench {

inline void QuitAfterFirstPaint(QObject& window) {
    struct Filter : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
            return false;
        }
    };
    window.installEventFilter(new Filter);  // stays until the end of the process
}

}  // namespace milden::bench

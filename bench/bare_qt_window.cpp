// The reference for the window's start-up: a bare Qt window, shown, painted once and closed,
// as window_startup does with milden's.
#include <QApplication>
#include <QWidget>

#include "bench/quit_after_first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    milden::bench::QuitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}

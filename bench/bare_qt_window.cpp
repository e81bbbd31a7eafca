// The reference for the window's start-up: a bare Qt window, shown, painted and closed at the
// first turn of the event loop, as window_startup does with milden's.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &app, [] { QApplication::quit(); });
    return QApplication::exec();
}

// Start-up harness: starts the window program as milden does and exits as soon as the window has
// been shown. scripts/bench times it as a whole process.
#include <QApplication>
#include <QTimer>

#include "qt/run_milden.h"

int main(int argc, char* argv[]) {
    // The first turn of the event loop after the load handles the show and the first paint.
    return milden::RunMilden(argc, argv, [] { QTimer::singleShot(0, qApp, [] { QApplication::quit(); }); });
}

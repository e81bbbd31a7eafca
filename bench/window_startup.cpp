// Start-up harness: starts the window program as milden does and exits as soon as its window
// has been shown and painted once. scripts/bench times it as a whole process.
#include <QApplication>
#include <QWidget>

#include "bench/quit_after_first_paint.h"
#include "qt/run_milden.h"

int main(int argc, char* argv[]) {
    return milden::RunMilden(argc, argv, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible()) milden::bench::QuitAfterFirstPaint(*window);
    });
}

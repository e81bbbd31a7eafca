#include "qt/centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace milden {
namespace {

bool FrameKnown(const QWidget& window) {
    return window.windowHandle() && !window.windowHandle()->frameMargins().isNull();
}

void Centre(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

// Centres the window again when it first moves with a known frame: the window manager has framed
// it, which pushed it down by its title bar. Gone once done, or when the window is hidden first.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto& window = static_cast<QWidget&>(*watched);
        const bool framed = event->type() == QEvent::Move && FrameKnown(window);
        if (framed || event->type() == QEvent::Hide) {
            window.removeEventFilter(this);
            deleteLater();
        }
        if (framed) Centre(window);
        return false;
    }
};

}  // namespace

void CentreOnScreen(QWidget& window) {
    Centre(window);
    if (!window.isVisible() && !FrameKnown(window)) new CentreWhenFramed(window);
}

}  // namespace milden

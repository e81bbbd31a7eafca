// Both windows come up centred, frame included, under a real window manager (run by
// with_window_manager.sh): the frame is only known once the window manager has framed the window.
#include <QAction>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "tests/qt/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

namespace {

// How far the frame's centre lies from the screen's, once the window manager has framed it.
QPoint OffCentre(QWidget& window) {
    if (!QTest::qWaitFor([&] { return !window.windowHandle()->frameMargins().isNull(); }, 5000)) return {9999, 9999};
    QTest::qWait(300);  // any move the frame asks for is done by now
    return window.frameGeometry().center() - window.screen()->availableGeometry().center();
}

QString Describe(const char* window, QPoint off) {
    return QStringLiteral("%1 off centre by %2, %3").arg(QLatin1String(window)).arg(off.x()).arg(off.y());
}

}  // namespace

class tst_Centring : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("needs an X display with a window manager");
    }
    void cleanup() { QCOMPARE(WindowsLeft(), QStringList()); }

    void bothWindowsComeUpCentred() {
        QtWindows w;
        w.form.Load();
        const QPoint main = OffCentre(w.window());
        QVERIFY2(qAbs(main.x()) <= 1 && qAbs(main.y()) <= 1, qPrintable(Describe("main window", main)));

        QPoint help(9999, 9999);
        QTimer::singleShot(0, [&] {
            help = OffCentre(w.help());
            w.help().reject();
        });
        w.Choose(Tolvaform::helpview);
        QVERIFY2(qAbs(help.x()) <= 1 && qAbs(help.y()) <= 1, qPrintable(Describe("help window", help)));
    }
};

QTEST_MAIN(tst_Centring)
#include "tst_centring.moc"

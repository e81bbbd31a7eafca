// What a screen of the running device pixel ratio shows (CTest runs this suite at QT_SCALE_FACTOR
// 1 and 2): the banner drawn for that ratio, not another enlarged, and the links' pointer grown
// with it, its hot spot on the arrow's tip.
#include <QtTest>
#include <cmath>

#include "tests/ui/recording_toolkit.h"
#include "tests/ui/window_test_support.h"
#include "ui/clickable_label.h"
#include "ui/helpfrm.h"
#include "ui/tolvaform.h"

using namespace milden;
using namespace milden::test_support;

class tst_PixelRatio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { QCOMPARE(CloseAllWindows(), QStringList()); }

    void bannerIsTheOneDrawnForTheRatio() {
        RecordingToolkit toolkit;
        const qreal ratio = qApp->devicePixelRatio();
        const QImage drawn(ratio > 1 ? QStringLiteral(":/milden/banner@2x.png") : QStringLiteral(":/milden/banner.png"));
        QCOMPARE(drawn.size(), QSize(234, 60) * ratio);
        const QImage shown = tolvaform().Picture1()->grab().toImage().copy(QRect(QPoint(0, 0), drawn.size()));
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
    }

    void linkPointerGrowsWithTheRatio_data() {
        QTest::addColumn<bool>("banner");
        QTest::newRow("banner") << true;
        QTest::newRow("home-page label") << false;
    }

    void linkPointerGrowsWithTheRatio() {
        QFETCH(bool, banner);
        RecordingToolkit toolkit;
        const qreal ratio = qApp->devicePixelRatio();
        const QCursor pointer = banner ? tolvaform().Picture1()->cursor() : helpfrm().Label1(5)->cursor();
        const QImage image = pointer.pixmap().toImage();
        QCOMPARE(image.size(), QSize(std::ceil(13 * ratio), std::ceil(17 * ratio)));
        // The hot spot is the arrow's tip: an inked pixel on the top row, in the middle.
        const QPoint hot = pointer.hotSpot();
        QCOMPARE(hot.y(), 0);
        QVERIFY(qAbs(hot.x() - image.width() / 2) <= 1);
        QVERIFY(qAlpha(image.pixel(hot)) > 0);
    }
};

QTEST_MAIN(tst_PixelRatio)
#include "tst_pixel_ratio.moc"

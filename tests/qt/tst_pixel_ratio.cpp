// What a screen of the running device pixel ratio shows (CTest runs this suite at QT_SCALE_FACTOR
// 1 and 2): the banner drawn for that ratio, not another enlarged, and the links' pointer grown
// with it, its hot spot on the arrow's tip.
#include <QtTest>
#include <cmath>

#include "tests/qt/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

class tst_PixelRatio : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(WindowsLeft(), QStringList()); }

    void bannerIsTheOneDrawnForTheRatio() {
        QtWindows w;
        const qreal ratio = qApp->devicePixelRatio();
        const QImage drawn(ratio > 1 ? QStringLiteral(":/milden/banner@2x.png") : QStringLiteral(":/milden/banner.png"));
        QCOMPARE(drawn.size(), QSize(234, 60) * ratio);
        const QImage shown = w.window().Control(Tolvaform::Picture1)->grab().toImage().copy(QRect(QPoint(0, 0), drawn.size()));
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
    }

    void linkPointerGrowsWithTheRatio_data() {
        QTest::addColumn<bool>("banner");
        QTest::newRow("banner") << true;
        QTest::newRow("home-page label") << false;
    }

    void linkPointerGrowsWithTheRatio() {
        QFETCH(bool, banner);
        QtWindows w;
        const qreal ratio = qApp->devicePixelRatio();
        const QCursor pointer = (banner ? w.window().Control(Tolvaform::Picture1) : w.help().Control(Helpfrm::Label1(5)))->cursor();
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

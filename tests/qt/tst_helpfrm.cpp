// The help window in Qt: its design, the link label's look, and its modal display.
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "qt/clickable_label.h"
#include "tests/qt/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

namespace {

QPushButton* Command1(HelpfrmWindow& help) { return qobject_cast<QPushButton*>(help.Control(Helpfrm::Command1)); }

// Runs whileOpen once the help window is up, then closes it with close (if still open), from
// inside the modal display that helpview starts. Returns whether whileOpen ran.
bool WithHelpOpen(QtWindows& w, const std::function<void(HelpfrmWindow&)>& whileOpen,
                  const std::function<void(HelpfrmWindow&)>& close = [](HelpfrmWindow& h) { Command1(h)->click(); }) {
    bool ran = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        HelpfrmWindow& help = w.help();
        if (!help.isVisible() || QApplication::activeModalWidget() != &help) return;
        poll.stop();
        ran = true;
        whileOpen(help);
        if (help.isVisible()) close(help);
        if (help.isVisible()) help.reject();  // never leave the test hanging
    });
    poll.start();
    w.Choose(Tolvaform::helpview);
    return ran;
}

// The row just below the first ink in the label's first character cell, in window coordinates:
// its baseline, for a first character without descender ("V", "h"), above any underline.
int InkBaseline(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QColor background = label->palette().color(QPalette::Window);
    const int width = label->fontMetrics().horizontalAdvance(label->text().left(1));
    bool inked = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < width && !ink; ++x) ink = qGray(image.pixel(x, y)) < qGray(background.rgb()) - 96;
        if (ink) inked = true;
        else if (inked) return label->y() + y;
    }
    return -1;
}

}  // namespace

class tst_Helpfrm : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(WindowsLeft(), QStringList()); }

    void isOneToolWindowOfTheDesignedSize() {
        QtWindows w;
        HelpfrmWindow& help = w.help();
        QCOMPARE(help.parentWidget(), &w.window());
        QCOMPARE(help.windowTitle(), QStringLiteral("ﾍﾙﾌﾟ"));
        QCOMPARE(help.size(), QSize(419, 187));
        QCOMPARE(help.minimumSize(), help.maximumSize());
        const Qt::WindowFlags flags = help.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);  // a tool window stays out of the taskbar
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
        QVERIFY(!help.isSizeGripEnabled());
    }

    void drawsTheAddressAsALink() {
        QtWindows w;
        auto* link = qobject_cast<QLabel*>(w.help().Control(Helpfrm::Label1(5)));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        const QFont font = link->font();
        QVERIFY(font.underline());
        QCOMPARE(font.pointSize(), 9);
        QCOMPARE(font.weight(), QFont::Normal);
        const QString family = QFontInfo(font).family();
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese), qPrintable(family));
        // The other labels keep the default look.
        QVERIFY(!w.help().Control(Helpfrm::Label1(6))->font().underline());
    }

    void addressSitsOnItsCaptionsBaseline() {
        QtWindows w;
        const auto label = [&](int i) { return qobject_cast<QLabel*>(w.help().Control(Helpfrm::Label1(i))); };
        const int caption = InkBaseline(label(6));
        QVERIFY(caption > 0);
        QCOMPARE(InkBaseline(label(5)), caption);
    }

    // Each showing starts on 閉じる; it is closed by a click on 閉じる, Return or Enter on it (the
    // focused push button), or the title-bar close box, and the modal display ends.
    void closingEndsTheModalDisplay_data() {
        QTest::addColumn<int>("key");  // 0 for a click on 閉じる, -1 for the close box
        QTest::newRow("click on 閉じる") << 0;
        QTest::newRow("Return on 閉じる") << int(Qt::Key_Return);
        QTest::newRow("Enter on 閉じる") << int(Qt::Key_Enter);
        QTest::newRow("title-bar close box") << -1;
    }

    void closingEndsTheModalDisplay() {
        QFETCH(int, key);
        QtWindows w;
        bool wasModal = false, closed = false;
        QWidget* focused = nullptr;
        const auto close = [&](HelpfrmWindow& h) {
            if (key > 0) QTest::keyClick(h.focusWidget(), Qt::Key(key));
            else if (key == 0) QTest::mouseClick(Command1(h), Qt::LeftButton);
            else h.close();  // what the window manager's close box asks for
            closed = !h.isVisible();
        };
        QVERIFY(WithHelpOpen(w, [&](HelpfrmWindow& h) { wasModal = h.isModal(), focused = h.focusWidget(); }, close));
        QVERIFY(wasModal);
        QCOMPARE(focused, Command1(w.help()));
        QVERIFY(closed);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void mainWindowTakesNoInputWhileOpen() {
        QtWindows w;
        QVERIFY(w.Start());
        TolvaformWindow& form = w.window();
        form.Control<QLineEdit>(Tolvaform::phone_text090(0))->setText("12");  // too short: a warning
        QWidget* search = form.Control(Tolvaform::researchbtn);
        const QPoint button = search->mapTo(&form, search->rect().center());
        const auto clickSearch = [&] { QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, button); };

        QVERIFY(WithHelpOpen(w, [&](HelpfrmWindow&) { clickSearch(); }));
        QVERIFY(w.boxes.shown.empty());

        clickSearch();  // once the help window is closed the same click searches
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
    }

    void escapeDoesNotClose_data() {
        QTest::addColumn<bool>("toFocusWidget");
        QTest::newRow("to the focused control") << true;
        QTest::newRow("to the window") << false;
    }

    void escapeDoesNotClose() {
        QFETCH(bool, toFocusWidget);
        QtWindows w;
        bool openAfterEscape = false;
        QVERIFY(WithHelpOpen(w, [&](HelpfrmWindow& h) {
            QWidget* target = toFocusWidget && h.focusWidget() ? h.focusWidget() : &h;
            QTest::keyClick(target, Qt::Key_Escape);
            QApplication::processEvents();
            openAfterEscape = h.isVisible() && QApplication::activeModalWidget() == &h;
        }));
        QVERIFY(openAfterEscape);
        QVERIFY(!w.help().isVisible());  // 閉じる still closes it
    }
};

QTEST_MAIN(tst_Helpfrm)
#include "tst_helpfrm.moc"

// The help window: its design, the link label's look, which labels react, and its modal display.
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/clickable_label.h"
#include "ui/digit_box.h"
#include "ui/helpfrm.h"
#include "tests/ui/recording_toolkit.h"
#include "ui/tolvaform.h"
#include "tests/ui/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

namespace {

// Runs whileOpen once the help window is up, then closes it with close (if still open), from
// inside the modal display that helpview starts. Returns whether whileOpen ran.
bool WithHelpOpen(const std::function<void(Helpfrm&)>& whileOpen,
                  const std::function<void(Helpfrm&)>& close = [](Helpfrm& h) { h.Command1()->click(); }) {
    bool ran = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        Helpfrm& help = helpfrm();
        if (!help.isVisible() || QApplication::activeModalWidget() != &help) return;
        poll.stop();
        ran = true;
        whileOpen(help);
        if (help.isVisible()) close(help);
        if (help.isVisible()) help.reject();  // never leave the test hanging
    });
    poll.start();
    tolvaform().helpview()->trigger();
    return ran;
}

}  // namespace

class tst_Helpfrm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { QCOMPARE(CloseAllWindows(), QStringList()); }

    void isOneToolWindowOfTheDesignedSize();
    void drawsTheAddressAsALink();
    void addressSitsOnItsCaptionsBaseline();
    void onlyTheAddressLabelReacts_data();
    void onlyTheAddressLabelReacts();
    void closingEndsTheModalDisplay_data();
    void closingEndsTheModalDisplay();
    void returnOnTheFocusedCloseButtonCloses_data();
    void returnOnTheFocusedCloseButtonCloses();
    void mainWindowTakesNoInputWhileOpen();
    void escapeDoesNotClose_data();
    void escapeDoesNotClose();
};

void tst_Helpfrm::isOneToolWindowOfTheDesignedSize() {
    RecordingToolkit toolkit;
    Helpfrm& help = helpfrm();
    QCOMPARE(&helpfrm(), &help);
    QCOMPARE(help.parentWidget(), &tolvaform());
    QCOMPARE(help.windowTitle(), QStringLiteral("ﾍﾙﾌﾟ"));
    QCOMPARE(help.size(), QSize(419, 187));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    const Qt::WindowFlags flags = help.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);  // a tool window stays out of the taskbar
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
    QVERIFY(!help.isSizeGripEnabled());
}

void tst_Helpfrm::drawsTheAddressAsALink() {
    RecordingToolkit toolkit;
    ClickableLabel* link = helpfrm().Label1(5);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    const QFont font = link->font();
    QVERIFY(font.underline());
    QCOMPARE(font.pointSize(), 9);
    QCOMPARE(font.weight(), QFont::Normal);
    const QString family = QFontInfo(font).family();
    QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese), qPrintable(family));
    // The other labels keep the default look.
    QVERIFY(!helpfrm().Label1(6)->font().underline());
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

void tst_Helpfrm::addressSitsOnItsCaptionsBaseline() {
    RecordingToolkit toolkit;
    const int caption = InkBaseline(helpfrm().Label1(6));
    QVERIFY(caption > 0);
    QCOMPARE(InkBaseline(helpfrm().Label1(5)), caption);
}

void tst_Helpfrm::onlyTheAddressLabelReacts_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("browsers");
    for (int i = 0; i < 7; ++i) {
        QTest::addRow("Label1(%d)%s", i, i == 5 ? ", the address" : i == 6 ? ", the address caption" : "")
            << i << (i == 5 ? 1 : 0);
    }
}

void tst_Helpfrm::onlyTheAddressLabelReacts() {
    QFETCH(int, index);
    QFETCH(int, browsers);
    RecordingToolkit toolkit;
    bool ran = WithHelpOpen([&](Helpfrm& help) { QTest::mouseClick(help.Label1(index), Qt::LeftButton); });
    QVERIFY(ran);
    QCOMPARE(toolkit.browsers.attempts, browsers);
    QVERIFY(toolkit.boxes.shown.empty());
}

void tst_Helpfrm::closingEndsTheModalDisplay_data() {
    QTest::addColumn<bool>("byCommand1");
    QTest::newRow("Command1") << true;
    QTest::newRow("title-bar close box") << false;
}

void tst_Helpfrm::closingEndsTheModalDisplay() {
    QFETCH(bool, byCommand1);
    RecordingToolkit toolkit;
    bool wasModal = false;
    const auto close = [&](Helpfrm& h) {
        if (byCommand1) {
            QTest::mouseClick(h.Command1(), Qt::LeftButton);
        } else {
            h.close();  // what the window manager's close box asks for
        }
    };
    QVERIFY(WithHelpOpen([&](Helpfrm& h) { wasModal = h.isModal(); }, close));
    QVERIFY(wasModal);
    QVERIFY(!helpfrm().isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // One instance: the next display shows the same window again.
    Helpfrm* first = &helpfrm();
    Helpfrm* second = nullptr;
    QVERIFY(WithHelpOpen([&](Helpfrm& h) { second = &h; }, close));
    QCOMPARE(second, first);
}

void tst_Helpfrm::returnOnTheFocusedCloseButtonCloses_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void tst_Helpfrm::returnOnTheFocusedCloseButtonCloses() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    RecordingToolkit toolkit;
    QWidget* focused = nullptr;
    bool closed = false;
    QVERIFY(WithHelpOpen([&](Helpfrm& h) {
        focused = h.focusWidget();
        QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        closed = !h.isVisible();
    }));
    QCOMPARE(focused, helpfrm().Command1());  // the focus starts on 閉じる
    QVERIFY(closed);
}

void tst_Helpfrm::mainWindowTakesNoInputWhileOpen() {
    RecordingToolkit toolkit;
    CurrentDirectory dir;
    Tolvaform& form = tolvaform();
    form.Load();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.phone_text090(0)->setText("12");  // a search would show the too-short warning
    const QPoint button = form.researchbtn()->mapTo(&form, form.researchbtn()->rect().center());
    const auto clickSearch = [&] { QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, button); };

    QVERIFY(WithHelpOpen([&](Helpfrm&) { clickSearch(); }));
    QVERIFY(toolkit.boxes.shown.empty());

    clickSearch();  // once the help window is closed the same click searches
    QCOMPARE(toolkit.boxes.shown.size(), std::size_t{1});
}

void tst_Helpfrm::escapeDoesNotClose_data() {
    QTest::addColumn<bool>("toFocusWidget");
    QTest::newRow("to the focused control") << true;
    QTest::newRow("to the window") << false;
}

void tst_Helpfrm::escapeDoesNotClose() {
    QFETCH(bool, toFocusWidget);
    RecordingToolkit toolkit;
    bool openAfterEscape = false;
    QVERIFY(WithHelpOpen([&](Helpfrm& h) {
        QWidget* target = toFocusWidget && h.focusWidget() ? h.focusWidget() : &h;
        QTest::keyClick(target, Qt::Key_Escape);
        QApplication::processEvents();
        openAfterEscape = h.isVisible() && QApplication::activeModalWidget() == &h;
    }));
    QVERIFY(openAfterEscape);
    QVERIFY(!helpfrm().isVisible());  // 閉じる still closes it
}

QTEST_MAIN(tst_Helpfrm)
#include "tst_helpfrm.moc"

// What a screen reader and the keyboard meet in both windows: every control that takes the focus
// or a click speaks its design's name, and Tab reaches each link, which then opens its page by its
// keys, a click, or the screen reader's press action.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

#include "tests/qt/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(WindowsLeft(), QStringList()); }

    // Exactly the controls of the design that take the focus or a click do, each speaking its
    // design's name, a Japanese one, and the links in the role of a link.
    void screenReadersHearTheDesignsNames() {
        QtWindows w;
        for (const WindowDesign* design : {&kTolvaform, &kHelpfrm}) {
            for (int i = 0; i < static_cast<int>(design->controls.size()); ++i) {
                const ControlDesign& control = design->controls[static_cast<std::size_t>(i)];
                QWidget* shown = design == &kTolvaform ? w.window().Control(i) : w.help().Control(i);
                QVERIFY2((shown->focusPolicy() != Qt::NoFocus) == TakesFocus(control), control.name.data());
                if (!TakesFocus(control)) continue;
                const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(shown);
                QCOMPARE(a->text(QAccessible::Name), Q(std::u16string(control.accessibleName)));
                QVERIFY2(HasJapanese(a->text(QAccessible::Name)), control.name.data());
                QCOMPARE(a->role() == QAccessible::Link, !control.link.empty());
            }
        }
    }

    void tabReachesTheLinkWhichOpensByItsKeysAClickAndThePressAction_data() {
        QTest::addColumn<bool>("banner");
        QTest::addColumn<int>("key");  // 0 for a click, -1 for the screen reader's press action
        for (const bool banner : {true, false}) {
            const char* link = banner ? "banner" : "home-page label";
            QTest::addRow("%s, Return", link) << banner << int(Qt::Key_Return);
            QTest::addRow("%s, Space", link) << banner << int(Qt::Key_Space);
            QTest::addRow("%s, click", link) << banner << 0;
            QTest::addRow("%s, press action", link) << banner << -1;
        }
    }

    // Tab from the last control of the window moves to the link, which shows a focus mark.
    void tabReachesTheLinkWhichOpensByItsKeysAClickAndThePressAction() {
        QFETCH(bool, banner);
        QFETCH(int, key);
        QtWindows w;
        QWidget* window = banner ? static_cast<QWidget*>(&w.window()) : &w.help();
        QWidget* last = banner ? w.window().Control(Tolvaform::phone_text090(2)) : w.help().Control(Helpfrm::Command1);
        QWidget* link = banner ? w.window().Control(Tolvaform::Picture1) : w.help().Control(Helpfrm::Label1(5));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        last->setFocus();
        const QImage unfocused = link->grab().toImage();
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), link);
        QVERIFY2(link->grab().toImage() != unfocused, "no focus mark");
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(link);
        QVERIFY(a->state().linked);
        if (key > 0) QTest::keyClick(link, Qt::Key(key));
        else if (key == 0) QTest::mouseClick(link, Qt::LeftButton);
        else a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.browsers.logs.size(), std::size_t{1});
        QVERIFY(banner ? w.form.ie() : w.form.helpfrm().ie());
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"

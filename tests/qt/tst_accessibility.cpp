// What a screen reader and the keyboard meet in both windows: every control that takes the focus
// or a click has a Japanese name, and Tab reaches each link, which then opens its page by its
// keys, a click, or the screen reader's press action.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

#include "qt/clickable_label.h"
#include "tests/qt/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

namespace {

QWidget* Control(QtWindows& w, const QString& window, const QString& name) {
    QWidget* top = window == QLatin1String("helpfrm") ? static_cast<QWidget*>(&w.help()) : &w.window();
    return top->findChild<QWidget*>(name);
}

bool HasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

}  // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { QCOMPARE(WindowsLeft(), QStringList()); }

    void namesSayWhatEachControlIsFor_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* window, const char* control, QAccessible::Role role, const char* name) {
            QTest::addRow("%s", control) << window << control << int(role) << QString::fromUtf8(name);
        };
        row("tolvaform", "tolvaselect(0)", QAccessible::RadioButton, "090- で始まる携帯電話の番号");
        row("tolvaform", "tolvaselect(2)", QAccessible::RadioButton, "070- で始まるPHSの番号");
        row("tolvaform", "phone_text090(0)", QAccessible::EditableText, "090- に続く４桁の番号");
        row("tolvaform", "phone_text090(2)", QAccessible::EditableText, "070- に続く４桁の番号");
        row("tolvaform", "Picture1", QAccessible::Link, "バナー：「ノルベ」のホームページを開く");
        row("helpfrm", "Label1(5)", QAccessible::Link, "Velk探偵事務所のホームページを開く");
    }

    void namesSayWhatEachControlIsFor() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QtWindows w;
        QWidget* c = Control(w, window, control);
        QVERIFY2(c, qPrintable(control));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
        QVERIFY(a);
        QCOMPARE(int(a->role()), role);
        QCOMPARE(a->text(QAccessible::Name), name);
    }

    // Also catches a control added later without a name.
    void everyControlThatTakesInputHasAJapaneseName() {
        QtWindows w;
        for (QWidget* top : {static_cast<QWidget*>(&w.window()), static_cast<QWidget*>(&w.help())}) {
            for (QWidget* c : top->findChildren<QWidget*>()) {
                auto* label = qobject_cast<ClickableLabel*>(c);
                if (c->focusPolicy() == Qt::NoFocus && !(label && label->isLink())) continue;
                if (c->window() != top) continue;
                const QString name = QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
                QVERIFY2(HasJapanese(name), qPrintable(c->objectName() + ": " + name));
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

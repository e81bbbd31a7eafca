// What a screen reader meets in both windows: every control that takes the focus or a click has a
// Japanese name, the two links have the link role, and pressing a link opens its page.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

#include "ui/clickable_label.h"
#include "ui/helpfrm.h"
#include "tests/ui/recording_toolkit.h"
#include "ui/tolvaform.h"
#include "desktop/web_addresses.h"
#include "ui/qt_text.h"
#include "tests/ui/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

namespace {

QWidget* Control(const QString& window, const QString& name) {
    QWidget* top = window == QLatin1String("helpfrm") ? static_cast<QWidget*>(&helpfrm()) : &tolvaform();
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
    void cleanup() { QCOMPARE(CloseAllWindows(), QStringList()); }

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
        RecordingToolkit toolkit;
        QWidget* w = Control(window, control);
        QVERIFY2(w, qPrintable(control));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY(a);
        QCOMPARE(int(a->role()), role);
        QCOMPARE(a->text(QAccessible::Name), name);
    }

    // Also catches a control added later without a name.
    void everyControlThatTakesInputHasAJapaneseName() {
        RecordingToolkit toolkit;
        for (QWidget* top : {static_cast<QWidget*>(&tolvaform()), static_cast<QWidget*>(&helpfrm())}) {
            for (QWidget* w : top->findChildren<QWidget*>()) {
                auto* label = qobject_cast<ClickableLabel*>(w);
                if (w->focusPolicy() == Qt::NoFocus && !(label && label->isLink())) continue;
                if (w->window() != top) continue;
                const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
                QVERIFY2(HasJapanese(name), qPrintable(w->objectName() + ": " + name));
            }
        }
    }

    void pressingALinkOpensItsPage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("banner") << "tolvaform" << "Picture1" << ToQString(kPublicationAddress);
        QTest::newRow("address label") << "helpfrm" << "Label1(5)" << ToQString(kMakerHomePage);
    }

    void pressingALinkOpensItsPage() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, address);
        RecordingToolkit toolkit;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Control(window, control));
        QAccessibleActionInterface* actions = a->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(a->state().linked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(toolkit.browsers.created.size(), std::size_t{1});
        QCOMPARE(toolkit.browsers.created[0]->navigations, QStringList{address});
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"

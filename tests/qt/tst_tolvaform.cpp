// The main window in Qt: its design on screen, its menu, and real keys, clicks and closing
// reaching its behaviour.
#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "qt/digit_box.h"
#include "qt/qt_translations.h"
#include "tests/qt/window_test_support.h"
#include "tests/support/window_sample_data.h"

using namespace milden;
using namespace milden::test_support;

class tst_Tolvaform : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(WindowsLeft(), QStringList()); }

    // No caption of either window is cut off: each label's text and each option button fits its
    // rectangle in the window's font.
    void everyCaptionFitsItsControl() {
        QtWindows w;
        for (QWidget* window : {static_cast<QWidget*>(&w.window()), static_cast<QWidget*>(&w.help())}) {
            for (QWidget* c : window->findChildren<QWidget*>()) {
                QSize needed;
                if (auto* l = qobject_cast<QLabel*>(c)) needed = {l->fontMetrics().horizontalAdvance(l->text()), l->fontMetrics().height()};
                if (auto* r = qobject_cast<QRadioButton*>(c)) needed = r->sizeHint();
                QVERIFY2(needed.width() <= c->width() && needed.height() <= c->height(), qPrintable(c->objectName()));
            }
        }
    }

    void startsWith090SelectedAndTheCaretInTheFirstBoxInAFixedFrame() {
        QtWindows w;
        QVERIFY(w.Start());
        TolvaformWindow& form = w.window();
        QVERIFY(form.Control<QRadioButton>(Tolvaform::tolvaselect(0))->isChecked());
        QVERIFY(!form.Control<QRadioButton>(Tolvaform::tolvaselect(1))->isChecked());
        QCOMPARE(QApplication::focusWidget(), form.Control(Tolvaform::phone_text090(0)));
        QCOMPARE(form.windowTitle(), QStringLiteral("\u201Dzentrik\u201D携帯調査"));
        QCOMPARE(form.centralWidget()->size(), QSize(235, 214));
        QCOMPARE(form.centralWidget()->y(), form.menuBar()->height());
        QCOMPARE(form.size(), QSize(235, form.menuBar()->height() + 214));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        const QList<QSize> iconSizes = form.windowIcon().availableSizes();
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) QVERIFY(iconSizes.contains(QSize(size, size)));
    }

    void chainsTheTabOrder() {
        QtWindows w;
        // The design's tab order, less the labels, which take no focus, and the banner last.
        const QStringList expected{"phone_text090(0)", "researchbtn",      "phone_text090(1)", "tolvaselect(0)",
                                   "tolvaselect(1)",   "tolvaselect(2)",   "phone_text090(2)", "Picture1"};
        QStringList chain;
        QWidget* first = w.window().Control(Tolvaform::phone_text090(0));
        QWidget* c = first;
        do {
            if (c->focusPolicy() != Qt::NoFocus) chain << c->objectName();
            c = c->nextInFocusChain();
        } while (c != first);
        QCOMPARE(chain, expected);
    }

    // The menu's captions and separator, and its access keys at work: Alt+H, then A.
    void menuAccessKeysReachTheVersionBox() {
        QtWindows w;
        const QList<QAction*> top = w.window().menuBar()->actions();
        QCOMPARE(top.size(), 1);
        QCOMPARE(top[0]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
        const QList<QAction*> items = w.window().help()->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
        QVERIFY(w.Start());
        QTest::keyClick(&w.window(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(w.window().help()->isVisible());
        QTest::keyClick(w.window().help(), Qt::Key_A);
        QTRY_COMPARE(w.boxes.shown.size(), std::size_t{1});
        QCOMPARE(Q(w.boxes.shown[0].title.value_or(u"")), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    }

    void closingUnloads() {
        QtWindows w(kWindowSampleData);
        w.form.Load();
        QVERIFY(!w.form.tables().OperatorList090.empty());
        QVERIFY(w.window().close());
        QVERIFY(w.form.tables().OperatorList090.empty());
    }

    void digitBoxContextMenuIsJapanese() {
        QtWindows w;
        QVERIFY2(InstallQtJapanese(), "Qt's Japanese translation (qt6-translations-l10n) is not installed");
        std::unique_ptr<QMenu> menu(w.window().Control<DigitBox>(Tolvaform::phone_text090(0))->createStandardContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) texts << action->text();
        }
        QVERIFY(texts.size() >= 6);  // undo, redo, cut, copy, paste, delete, select all
        for (const QString& text : texts) QVERIFY2(HasJapanese(text), qPrintable(text));
    }

    void optionButtonsTakeClicksInTheirWholeRectangle_data() {
        QTest::addColumn<QPoint>("clientPoint");
        QTest::addColumn<int>("selected");
        QTest::newRow("080-, left of its circle") << QPoint(40, 43) << 1;
        QTest::newRow("090-, top-left corner") << QPoint(32, 8) << 0;
        QTest::newRow("090-, right end below the box") << QPoint(88, 38) << 0;
        QTest::newRow("070-, bottom-left corner") << QPoint(32, 104) << 2;
        QTest::newRow("070-, right end below the box") << QPoint(96, 102) << 2;
    }

    void optionButtonsTakeClicksInTheirWholeRectangle() {
        QFETCH(QPoint, clientPoint);
        QFETCH(int, selected);
        QtWindows w;
        QVERIFY(w.Start());
        TolvaformWindow& form = w.window();
        form.Select(Tolvaform::tolvaselect((selected + 1) % 3));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, form.centralWidget()->mapTo(&form, clientPoint));
        QVERIFY(form.IsSelected(Tolvaform::tolvaselect(selected)));
    }

    // Real keys typed into a digit box holding some text (cursor at the end, or everything selected):
    // the text after the key, and whether a search ran. Which keys type a character, and which
    // character, is Qt's; what the filter then decides is tested in tests/desktop.
    void keysReachTheFilter_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("searched");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("a fifth character is discarded") << "1234" << false << int(Qt::Key_5) << none << "" << "1234" << false;
        QTest::newRow("selection at four cannot be typed over") << "1234" << true << int(Qt::Key_9) << none << "" << "1234" << false;
        QTest::newRow("Backspace at four deletes") << "1234" << false << int(Qt::Key_Backspace) << none << "" << "123" << false;
        QTest::newRow("Delete at four deletes a selection") << "1234" << true << int(Qt::Key_Delete) << none << "" << "" << false;
        QTest::newRow("Ctrl+V at four is discarded") << "1234" << false << int(Qt::Key_V) << ctrl << "99" << "1234" << false;
        QTest::newRow("Ctrl+V at three pastes all of it") << "123" << false << int(Qt::Key_V) << ctrl << "4567" << "1234567" << false;
        QTest::newRow("Ctrl+X at four cuts") << "1234" << true << int(Qt::Key_X) << ctrl << "" << "" << false;
        QTest::newRow("Ctrl+Z at four undoes") << "1234" << false << int(Qt::Key_Z) << ctrl << "" << "" << false;
        QTest::newRow("Return at four searches and keeps the text") << "1234" << false << int(Qt::Key_Return) << none << "" << "1234" << true;
        QTest::newRow("Enter on the keypad searches") << "12" << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "" << "12" << true;
    }

    void keysReachTheFilter() {
        QFETCH(QString, before);
        QFETCH(bool, selectAll);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        QFETCH(bool, searched);
        QtWindows w;
        QVERIFY(w.Start());
        auto* box = w.window().Control<DigitBox>(Tolvaform::phone_text090(0));
        // Typed in one key at a time, so that undo has something to take back.
        for (const QChar c : before) QTest::keyClick(box, c.toLatin1());
        QCOMPARE(box->text(), before);
        if (selectAll) box->selectAll();
        if (!clipboard.isEmpty()) QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box->text(), after);
        QCOMPARE(w.boxes.shown.size(), std::size_t(searched ? 1 : 0));
    }

    void inputMethodTextIsLimitedLikeKeys_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("committed at three goes in") << "123" << "123４";
        QTest::newRow("committed at four is discarded") << "1234" << "1234";
    }

    void inputMethodTextIsLimitedLikeKeys() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QtWindows w;
        auto* box = w.window().Control<DigitBox>(Tolvaform::phone_text090(0));
        box->setText(before);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("４"));
        QApplication::sendEvent(box, &commit);
        QCOMPARE(box->text(), after);
    }

    // The box has no length limit of its own: what its context menu pastes is never cut.
    void pastedTextIsNotLimited() {
        QtWindows w;
        auto* box = w.window().Control<DigitBox>(Tolvaform::phone_text090(0));
        box->setText("1234");
        QGuiApplication::clipboard()->setText("5");
        box->paste();
        QCOMPARE(box->text(), QStringLiteral("12345"));
    }

    // A click on the button and Return on it, when focused, search the text of the box of the
    // selected range, read from the real widgets (Return in a box: keysReachTheFilter).
    void theButtonSearchesTheSelectedRangesBox_data() {
        QTest::addColumn<bool>("returnKey");
        QTest::newRow("click") << false;
        QTest::newRow("Return on 検　索") << true;
    }

    void theButtonSearchesTheSelectedRangesBox() {
        QFETCH(bool, returnKey);
        QtWindows w(kWindowSampleData);
        QVERIFY(w.Start());
        TolvaformWindow& form = w.window();
        QTest::mouseClick(form.Control(Tolvaform::tolvaselect(1)), Qt::LeftButton);
        form.Control<DigitBox>(Tolvaform::phone_text090(0))->setText("1000");
        form.Control<DigitBox>(Tolvaform::phone_text090(1))->setText(" 5123 ");
        auto* button = form.Control<QPushButton>(Tolvaform::researchbtn);
        if (returnKey) {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(w.boxes.shown.size(), std::size_t{1});
        QCOMPARE(Q(w.boxes.shown[0].prompt), QStringLiteral("080-5123-****の携帯電話のキャリアは\r080丁です。"));
    }
};

QTEST_MAIN(tst_Tolvaform)
#include "tst_tolvaform.moc"

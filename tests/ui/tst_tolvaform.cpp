// The main window: its design, start-up, key filter, search request, menu and version box.
#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "ui/digit_box.h"
#include "ui/clickable_label.h"
#include "ui/helpfrm.h"
#include "tests/ui/recording_toolkit.h"
#include "tests/support/window_sample_data.h"
#include "ui/qt_translations.h"
#include "ui/tolvaform.h"
#include "version.h"
#include "tests/ui/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

Q_DECLARE_METATYPE(milden::BoxStyle)

namespace {

const QString kAnswerSuffix = QStringLiteral("-****の携帯電話のキャリアは\r");
const QString kWarning2 = QStringLiteral(
    "入力された電話番号は４文字未満です。\r電話番号の入力は半角数字４文字でお願いします。\r"
    "この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。");

QString Answer090(const QString& text, const QString& name) {
    return QStringLiteral("090-") + text + kAnswerSuffix + name + QStringLiteral("です。");
}

}  // namespace

class tst_Tolvaform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { QCOMPARE(CloseAllWindows(), QStringList()); }

    void startsWith090SelectedEmptyBoxesAndTheCaretInTheFirst();
    void isOneInstanceCreatedOnFirstUse();
    void everyCaptionFitsItsControl();
    void hasAFixedFrameOfTheDesignedSize();
    void chainsTheTabOrder();
    void menuHasCaptionsSeparatorAndAccessKeys();
    void loadsTheDataFileOfTheCurrentDirectory_data();
    void loadsTheDataFileOfTheCurrentDirectory();
    void unloadReleasesTheLoadedLists();
    void digitBoxContextMenuIsJapanese();
    void optionButtonsTakeClicksInTheirWholeRectangle_data();
    void optionButtonsTakeClicksInTheirWholeRectangle();
    void keyFilter_data();
    void keyFilter();
    void inputMethodTextIsLimitedLikeKeys_data();
    void inputMethodTextIsLimitedLikeKeys();
    void pastedTextIsNotLimitedAndReachesTheLookup();
    void searchRequest_data();
    void searchRequest();
    void versionBoxShowsThreeLinesWithoutIcon();
    void accessKeysReachTheVersionBox();
};

void tst_Tolvaform::startsWith090SelectedEmptyBoxesAndTheCaretInTheFirst() {
    RecordingToolkit toolkit;
    CurrentDirectory dir;
    Tolvaform& form = tolvaform();
    form.Load();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(form.isVisible());
    QVERIFY(form.tolvaselect(0)->isChecked());
    QVERIFY(!form.tolvaselect(1)->isChecked());
    QVERIFY(!form.tolvaselect(2)->isChecked());
    for (int i = 0; i < 3; ++i) QVERIFY(form.phone_text090(i)->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), form.phone_text090(0));
    QCOMPARE(form.ie(), nullptr);
    QVERIFY(toolkit.boxes.shown.empty());
}

void tst_Tolvaform::isOneInstanceCreatedOnFirstUse() {
    RecordingToolkit toolkit;
    QPointer<Tolvaform> first = &tolvaform();
    QCOMPARE(&tolvaform(), first.data());
    QCOMPARE(first->objectName(), QStringLiteral("tolvaform"));
    QVERIFY(!first->isVisible());  // created, not loaded: Load() shows it
    DestroyTolvaform();
    QVERIFY(first.isNull());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// No caption of either window is cut off: each label's text and each option button fits its
// rectangle in the window's font.
void tst_Tolvaform::everyCaptionFitsItsControl() {
    RecordingToolkit toolkit;
    for (QWidget* window : {static_cast<QWidget*>(&tolvaform()), static_cast<QWidget*>(&helpfrm())}) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            QSize needed;
            if (auto* l = qobject_cast<QLabel*>(w)) needed = {l->fontMetrics().horizontalAdvance(l->text()), l->fontMetrics().height()};
            if (auto* r = qobject_cast<QRadioButton*>(w)) needed = r->sizeHint();
            QVERIFY2(needed.width() <= w->width() && needed.height() <= w->height(), qPrintable(w->objectName()));
        }
    }
}

void tst_Tolvaform::hasAFixedFrameOfTheDesignedSize() {
    RecordingToolkit toolkit;
    CurrentDirectory dir;
    Tolvaform& form = tolvaform();
    form.Load();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
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
    const QRect screen = form.screen()->availableGeometry();
    const QPoint offCentre = form.frameGeometry().center() - screen.center();
    QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, qPrintable(QStringLiteral("off centre by %1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void tst_Tolvaform::chainsTheTabOrder() {
    RecordingToolkit toolkit;
    Tolvaform& form = tolvaform();
    // The design's tab order, less the labels, which take no focus, and the banner last.
    const QStringList expected{"phone_text090(0)", "researchbtn",      "phone_text090(1)", "tolvaselect(0)",
                               "tolvaselect(1)",   "tolvaselect(2)",   "phone_text090(2)", "Picture1"};
    QStringList chain;
    QWidget* w = form.phone_text090(0);
    do {
        if (w->focusPolicy() != Qt::NoFocus) chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.phone_text090(0));
    QCOMPARE(chain, expected);
}

void tst_Tolvaform::menuHasCaptionsSeparatorAndAccessKeys() {
    RecordingToolkit toolkit;
    Tolvaform& form = tolvaform();
    const QList<QAction*> top = form.menuBar()->actions();
    QCOMPARE(top.size(), 1);
    QCOMPARE(top[0]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    QCOMPARE(top[0]->menu(), form.help());
    const QList<QAction*> items = form.help()->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0], form.helpview());
    QCOMPARE(items[0]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2], form.versions());
    QCOMPARE(items[2]->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    // The marked characters are the access keys: Alt+H, then H or A.
    QCOMPARE(QKeySequence::mnemonic(top[0]->text()), QKeySequence(Qt::ALT | Qt::Key_H));
    QCOMPARE(QKeySequence::mnemonic(items[2]->text()), QKeySequence(Qt::ALT | Qt::Key_A));
}

void tst_Tolvaform::versionBoxShowsThreeLinesWithoutIcon() {
    RecordingToolkit toolkit;
    Tolvaform& form = tolvaform();
    form.versions()->trigger();
    QCOMPARE(toolkit.boxes.shown.size(), std::size_t{1});
    const ShownBox& box = toolkit.boxes.shown[0];
    QCOMPARE(box.style, BoxStyle::NoIcon);
    QVERIFY(box.title.has_value());
    QCOMPARE(Q(*box.title), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    const QStringList lines = Q(box.prompt).split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("ミルデン バージョン " MILDEN_VERSION));
    QCOMPARE(lines[1], QString());
    QVERIFY2(lines[2].contains(QStringLiteral("Velk探偵事務所")), qPrintable(lines[2]));
    QVERIFY(!Q(box.prompt).contains(QLatin1Char('\n')));
}

void tst_Tolvaform::loadsTheDataFileOfTheCurrentDirectory_data() {
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QString>("answer");
    QTest::newRow("with sorvane.dat: the operator is named") << true << Answer090("1000", "丁ネット");
    // Without a data file every lookup runs on empty tables; what it answers is the lookup's own.
    QTest::newRow("without sorvane.dat: windows open, lookups run on empty tables")
        << false << Answer090("1000", "キャリアが不明");
}

void tst_Tolvaform::loadsTheDataFileOfTheCurrentDirectory() {
    QFETCH(bool, withFile);
    QFETCH(QString, answer);
    RecordingToolkit toolkit;
    auto dir = withFile ? std::make_unique<CurrentDirectory>(kWindowSampleData) : std::make_unique<CurrentDirectory>();
    Tolvaform& form = tolvaform();
    form.Load();
    QCOMPARE(form.tables().OperatorList090Loaded, withFile);
    QVERIFY(toolkit.boxes.shown.empty());  // loading never shows anything
    form.phone_text090(0)->setText("1000");
    QTest::mouseClick(form.researchbtn(), Qt::LeftButton);
    QCOMPARE(toolkit.boxes.shown.size(), std::size_t{1});
    QCOMPARE(Q(toolkit.boxes.shown[0].prompt), answer);
    QCOMPARE(toolkit.boxes.shown[0].style, BoxStyle::Information);
}

void tst_Tolvaform::unloadReleasesTheLoadedLists() {
    RecordingToolkit toolkit;
    CurrentDirectory dir(kWindowSampleData);
    Tolvaform& form = tolvaform();
    form.Load();
    QVERIFY(!form.tables().OperatorList090.empty());
    QVERIFY(form.close());
    QVERIFY(form.tables().OperatorList090.empty());
    QVERIFY(form.tables().OperatorList080.empty());
    QVERIFY(form.tables().OperatorListPhs.empty());
    QVERIFY(form.tables().ExceptionList090.empty());
    QCOMPARE(form.tables().PrefixTable090.Cell(1, 0, 0), std::u16string(u"21"));  // tables stay
}

// What a key does to a digit box: type it with the box holding some text (cursor at the end,
// or everything selected) and see the text after it, and whether a search ran.
void tst_Tolvaform::keyFilter_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("searched");
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("fourth character goes in") << "123" << false << int(Qt::Key_4) << none << "" << "1234" << false;
    QTest::newRow("fifth character is discarded") << "1234" << false << int(Qt::Key_5) << none << "" << "1234" << false;
    QTest::newRow("a letter at four is discarded too") << "1234" << false << int(Qt::Key_A) << none << "" << "1234" << false;
    QTest::newRow("the filter ignores digits: a letter at three goes in") << "123" << false << int(Qt::Key_X) << none << "" << "123x" << false;
    QTest::newRow("space at four is discarded") << "1234" << false << int(Qt::Key_Space) << none << "" << "1234" << false;
    QTest::newRow("selection at four cannot be typed over") << "1234" << true << int(Qt::Key_9) << none << "" << "1234" << false;
    QTest::newRow("Backspace at four deletes") << "1234" << false << int(Qt::Key_Backspace) << none << "" << "123" << false;
    QTest::newRow("Backspace deletes a selection at four") << "1234" << true << int(Qt::Key_Backspace) << none << "" << "" << false;
    QTest::newRow("Delete at four deletes a selection") << "1234" << true << int(Qt::Key_Delete) << none << "" << "" << false;
    QTest::newRow("Ctrl+V at four is discarded") << "1234" << false << int(Qt::Key_V) << ctrl << "99" << "1234" << false;
    QTest::newRow("Ctrl+V at three pastes all of it") << "123" << false << int(Qt::Key_V) << ctrl << "4567" << "1234567" << false;
    QTest::newRow("Ctrl+X at four cuts") << "1234" << true << int(Qt::Key_X) << ctrl << "" << "" << false;
    QTest::newRow("Ctrl+Z at four undoes") << "1234" << false << int(Qt::Key_Z) << ctrl << "" << "" << false;
    QTest::newRow("Return at four searches and keeps the text") << "1234" << false << int(Qt::Key_Return) << none << "" << "1234" << true;
    QTest::newRow("Enter on the keypad searches") << "12" << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "" << "12" << true;
}

void tst_Tolvaform::keyFilter() {
    QFETCH(QString, before);
    QFETCH(bool, selectAll);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(bool, searched);
    RecordingToolkit toolkit;
    CurrentDirectory dir(kWindowSampleData);
    Tolvaform& form = tolvaform();
    form.Load();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    DigitBox* box = form.phone_text090(0);
    // Typed in one key at a time, so that undo has something to take back.
    for (const QChar c : before) QTest::keyClick(box, c.toLatin1());
    QCOMPARE(box->text(), before);
    if (selectAll) box->selectAll();
    if (!clipboard.isEmpty()) QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box->text(), after);
    QCOMPARE(toolkit.boxes.shown.size(), std::size_t(searched ? 1 : 0));
}

void tst_Tolvaform::inputMethodTextIsLimitedLikeKeys_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("committed at three goes in") << "123" << "123４";
    QTest::newRow("committed at four is discarded") << "1234" << "1234";
}

void tst_Tolvaform::inputMethodTextIsLimitedLikeKeys() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    RecordingToolkit toolkit;
    Tolvaform& form = tolvaform();
    DigitBox* box = form.phone_text090(0);
    box->setText(before);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("４"));
    QApplication::sendEvent(box, &commit);
    QCOMPARE(box->text(), after);
}

void tst_Tolvaform::pastedTextIsNotLimitedAndReachesTheLookup() {
    RecordingToolkit toolkit;
    CurrentDirectory dir(kWindowSampleData);
    Tolvaform& form = tolvaform();
    form.Load();
    DigitBox* box = form.phone_text090(0);
    box->setText("1234");
    QGuiApplication::clipboard()->setText("5");
    box->paste();  // what the context menu's paste does
    QCOMPARE(box->text(), QStringLiteral("12345"));
    box->setText("10105");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(toolkit.boxes.shown.size(), std::size_t{1});
    QCOMPARE(Q(toolkit.boxes.shown[0].prompt), Answer090("10105", "丙テレコムか甲通信"));
}

// The search request, from a click on the button, Return in the focused box and Return on the
// focused button: the text always comes from the box of the selected range, trimmed of spaces.
enum class Trigger { Click, ReturnInBox, ReturnOnButton };
Q_DECLARE_METATYPE(Trigger)

void tst_Tolvaform::searchRequest_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("texts");  // of phone_text090(0..2)
    QTest::addColumn<int>("focused");
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<QString>("prompt");  // empty: no box at all
    QTest::addColumn<BoxStyle>("style");

    struct Case {
        const char* name;
        int selected;
        QStringList texts;
        int focused;
        QString prompt;
        BoxStyle style;
    };
    const Case cases[] = {
        {"090 box", 0, {"1000", "5123", "0000"}, 0, Answer090("1000", "丁ネット"), BoxStyle::Information},
        {"two operators joined", 0, {"1010", "", ""}, 0, Answer090("1010", "丙テレコムか甲通信"), BoxStyle::Information},
        {"080 selected takes the 080 box, not the focused one", 1, {"1000", "5123", "0000"}, 0,
         QStringLiteral("080-5123") + kAnswerSuffix + QStringLiteral("080丁です。"), BoxStyle::Information},
        {"070 selected takes the PHS box", 2, {"1000", "5123", "0000"}, 1,
         QStringLiteral("070-0000-****のPHSのキャリアは\rＰＨＳ乙です。"), BoxStyle::Information},
        {"spaces around the digits are trimmed", 0, {"  1000 ", "", ""}, 0, Answer090("1000", "丁ネット"),
         BoxStyle::Information},
        {"only spaces search with an empty text: nothing shown", 0, {"   ", "1000", ""}, 0, QString(), BoxStyle::NoIcon},
        {"an empty box shows nothing", 1, {"1000", "", ""}, 1, QString(), BoxStyle::NoIcon},
        {"too short: the lookup's warning", 0, {"12", "", ""}, 0, kWarning2, BoxStyle::Warning},
    };
    const std::pair<Trigger, const char*> triggers[] = {
        {Trigger::Click, "click"}, {Trigger::ReturnInBox, "Return in a box"}, {Trigger::ReturnOnButton, "Return on 検　索"}};
    for (const Case& c : cases) {
        for (const auto& [trigger, name] : triggers) {
            QTest::addRow("%s, %s", c.name, name) << c.selected << c.texts << c.focused << trigger << c.prompt << c.style;
        }
    }
}

void tst_Tolvaform::searchRequest() {
    QFETCH(int, selected);
    QFETCH(QStringList, texts);
    QFETCH(int, focused);
    QFETCH(Trigger, trigger);
    QFETCH(QString, prompt);
    QFETCH(BoxStyle, style);
    RecordingToolkit toolkit;
    CurrentDirectory dir(kWindowSampleData);
    Tolvaform& form = tolvaform();
    form.Load();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.tolvaselect(selected)->setChecked(true);
    for (int i = 0; i < 3; ++i) form.phone_text090(i)->setText(texts[i]);
    switch (trigger) {
    case Trigger::Click: QTest::mouseClick(form.researchbtn(), Qt::LeftButton); break;
    case Trigger::ReturnInBox: QTest::keyClick(form.phone_text090(focused), Qt::Key_Return); break;
    case Trigger::ReturnOnButton:
        form.researchbtn()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        break;
    }
    if (prompt.isEmpty()) {
        QVERIFY(toolkit.boxes.shown.empty());
    } else {
        QCOMPARE(toolkit.boxes.shown.size(), std::size_t{1});
        const ShownBox& box = toolkit.boxes.shown[0];
        QCOMPARE(Q(box.prompt), prompt);
        QCOMPARE(box.style, style);
        QCOMPARE(box.title.has_value(), style == BoxStyle::Information);
        if (box.title) QCOMPARE(Q(*box.title), QStringLiteral("ミルデン"));
    }
    for (int i = 0; i < 3; ++i) QCOMPARE(form.phone_text090(i)->text(), texts[i]);  // texts untouched
}

void tst_Tolvaform::accessKeysReachTheVersionBox() {
    RecordingToolkit toolkit;
    CurrentDirectory dir;
    Tolvaform& form = tolvaform();
    form.Load();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(form.help()->isVisible());
    QTest::keyClick(form.help(), Qt::Key_A);
    QTRY_COMPARE(toolkit.boxes.shown.size(), std::size_t{1});
    QCOMPARE(Q(toolkit.boxes.shown[0].title.value_or(u"")), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
}

void tst_Tolvaform::optionButtonsTakeClicksInTheirWholeRectangle_data() {
    QTest::addColumn<QPoint>("clientPoint");
    QTest::addColumn<int>("selected");
    QTest::newRow("080-, left of its circle") << QPoint(40, 43) << 1;
    QTest::newRow("090-, top-left corner") << QPoint(32, 8) << 0;
    QTest::newRow("090-, right end below the box") << QPoint(88, 38) << 0;
    QTest::newRow("070-, bottom-left corner") << QPoint(32, 104) << 2;
    QTest::newRow("070-, right end below the box") << QPoint(96, 102) << 2;
}

void tst_Tolvaform::optionButtonsTakeClicksInTheirWholeRectangle() {
    QFETCH(QPoint, clientPoint);
    QFETCH(int, selected);
    RecordingToolkit toolkit;
    CurrentDirectory dir;
    Tolvaform& form = tolvaform();
    form.Load();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.tolvaselect((selected + 1) % 3)->setChecked(true);
    const QWidget* client = form.findChild<QWidget*>(QStringLiteral("client"));
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, client->mapTo(&form, clientPoint));
    QVERIFY(form.tolvaselect(selected)->isChecked());
}

void tst_Tolvaform::digitBoxContextMenuIsJapanese() {
    RecordingToolkit toolkit;
    QVERIFY2(InstallQtJapanese(), "Qt's Japanese translation (qt6-translations-l10n) is not installed");
    std::unique_ptr<QMenu> menu(tolvaform().phone_text090(0)->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts << action->text();
    }
    QVERIFY(texts.size() >= 6);  // undo, redo, cut, copy, paste, delete, select all
    for (const QString& text : texts) {
        const bool japanese = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
        QVERIFY2(japanese, qPrintable(text));
    }
}

QTEST_MAIN(tst_Tolvaform)
#include "tst_tolvaform.moc"

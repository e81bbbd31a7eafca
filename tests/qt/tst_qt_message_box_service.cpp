// The real message box: modal QMessageBox, plain text, lines at carriage returns, icon of the
// style, OK only, the application's title when none is given. Each box is closed by a timer.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "qt/qt_message_box_service.h"

using namespace milden;

Q_DECLARE_METATYPE(milden::BoxStyle)

namespace {

struct SeenBox {
    bool seen = false;
    bool modal = false;
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

}  // namespace

class tst_QtMessageBoxService : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void showsAModalPlainTextBox_data() {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<BoxStyle>("style");
        QTest::addColumn<bool>("hasTitle");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("answer: information icon, own title, CR lines")
            << QStringLiteral("090-1000-****の携帯電話のキャリアは\r<b>丁</b>&amp;です。") << BoxStyle::Information << true
            << QStringLiteral("ミルデン") << QStringLiteral("090-1000-****の携帯電話のキャリアは\n<b>丁</b>&amp;です。")
            << int(QMessageBox::Information);
        QTest::newRow("warning without a title carries the application's title")
            << QStringLiteral("入力された電話番号は４文字未満です。\r再度") << BoxStyle::Warning << false
            << QStringLiteral("ミルデン") << QStringLiteral("入力された電話番号は４文字未満です。\n再度")
            << int(QMessageBox::Warning);
        QTest::newRow("version box: no icon, empty middle line kept")
            << QStringLiteral("a\r\rb") << BoxStyle::NoIcon << true << QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")
            << QStringLiteral("a\n\nb") << int(QMessageBox::NoIcon);
    }

    void showsAModalPlainTextBox() {
        QFETCH(QString, prompt);
        QFETCH(BoxStyle, style);
        QFETCH(bool, hasTitle);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);

        SeenBox seen;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            seen = {true, box->isModal(), box->windowTitle(), box->text(), box->textFormat(), box->icon(),
                    box->standardButtons()};
            box->button(QMessageBox::Ok)->click();
        });
        closer.start();
        const std::u16string p = prompt.toStdU16String();
        const std::u16string t = title.toStdU16String();
        QtMessageBoxService service;
        service.ShowMessage(p, style, hasTitle ? std::optional<std::u16string_view>(t) : std::nullopt);
        closer.stop();

        QVERIFY(seen.seen);
        QVERIFY(seen.modal);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

QTEST_MAIN(tst_QtMessageBoxService)
#include "tst_qt_message_box_service.moc"

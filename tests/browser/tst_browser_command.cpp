// The helper's command protocol: what is obeyed, and that everything else is ignored.
#include <QTest>

#include "browser/browser_command.h"

using milden::BrowserCommand;
using milden::ParseBrowserCommand;
using Kind = BrowserCommand::Kind;

Q_DECLARE_METATYPE(BrowserCommand::Kind)

class TestBrowserCommand : public QObject {
    Q_OBJECT
private slots:
    void parses_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("allowFile");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("address");

        QTest::newRow("http address is navigated") << "navigate http://example.jp/" << false << Kind::Navigate << "http://example.jp/";
        QTest::newRow("https address with path and query") << "navigate https://example.jp/a/b?c=1#d" << false << Kind::Navigate << "https://example.jp/a/b?c=1#d";
        QTest::newRow("trailing carriage return is dropped") << "navigate https://example.jp/\r" << false << Kind::Navigate << "https://example.jp/";
        QTest::newRow("show") << "show" << false << Kind::Show << "";
        QTest::newRow("close") << "close" << false << Kind::Close << "";
        QTest::newRow("file allowed only when asked for") << "navigate file:///tmp/page.html" << true << Kind::Navigate << "file:///tmp/page.html";

        QTest::newRow("file refused by default") << "navigate file:///etc/passwd" << false << Kind::Ignore << "";
        QTest::newRow("javascript scheme refused") << "navigate javascript:alert(1)" << true << Kind::Ignore << "";
        QTest::newRow("data scheme refused") << "navigate data:text/html,<b>x</b>" << true << Kind::Ignore << "";
        QTest::newRow("http without host refused") << "navigate http:///path" << false << Kind::Ignore << "";
        QTest::newRow("relative address refused") << "navigate example.jp" << false << Kind::Ignore << "";
        QTest::newRow("malformed address refused") << "navigate http://exa mple.jp/" << false << Kind::Ignore << "";
        QTest::newRow("navigate without address") << "navigate" << false << Kind::Ignore << "";
        QTest::newRow("navigate with blank address") << "navigate    " << false << Kind::Ignore << "";
        QTest::newRow("verbs are case sensitive") << "SHOW" << false << Kind::Ignore << "";
        QTest::newRow("verb glued to address") << "navigatehttp://example.jp/" << false << Kind::Ignore << "";
        QTest::newRow("show with trailing words") << "show now" << false << Kind::Ignore << "";
        QTest::newRow("unknown verb") << "run /bin/sh" << false << Kind::Ignore << "";
        QTest::newRow("empty line") << "" << false << Kind::Ignore << "";
        QTest::newRow("binary garbage") << QString::fromLatin1("\x01\xff\x7f nav") << false << Kind::Ignore << "";
    }

    void parses() {
        QFETCH(QString, line);
        QFETCH(bool, allowFile);
        QFETCH(Kind, kind);
        QFETCH(QString, address);
        const BrowserCommand command = ParseBrowserCommand(line, allowFile);
        QCOMPARE(command.kind, kind);
        QCOMPARE(command.address.toString(), address);
    }

    // What one side writes, the other reads back.
    void linesReadBackOnTheOtherSide() {
        const QString address = QStringLiteral("https://example.jp/ページ");
        const BrowserCommand navigate = ParseBrowserCommand(QString::fromUtf8(milden::ProtocolLine(milden::kNavigateVerb, address)), false);
        QCOMPARE(navigate.kind, Kind::Navigate);
        QCOMPARE(navigate.address, QUrl(address));
        QCOMPARE(ParseBrowserCommand(QString::fromUtf8(milden::ProtocolLine(milden::kShowVerb)), false).kind, Kind::Show);
        QCOMPARE(ParseBrowserCommand(QString::fromUtf8(milden::ProtocolLine(milden::kCloseVerb)), false).kind, Kind::Close);
        QCOMPARE(milden::ParseLoadedAnswer(milden::ProtocolLine(milden::kLoadedOkAnswer)), std::optional<bool>(true));
        QCOMPARE(milden::ParseLoadedAnswer(milden::ProtocolLine(milden::kLoadedFailedAnswer)), std::optional<bool>(false));
        QCOMPARE(milden::ParseLoadedAnswer("loaded"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestBrowserCommand)
#include "tst_browser_command.moc"

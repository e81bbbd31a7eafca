// The two web links through a recording browser layer: the banner on tolvaform's ie and the
// address label on helpfrm's ie.
#include <QPushButton>
#include <QtTest>

#include "ui/clickable_label.h"
#include "ui/digit_box.h"
#include "ui/helpfrm.h"
#include "tests/ui/recording_toolkit.h"
#include "ui/tolvaform.h"
#include "desktop/web_addresses.h"
#include "ui/qt_text.h"
#include "tests/ui/window_test_support.h"

using namespace milden;
using namespace milden::test_support;

namespace {

// One link: a click on its trigger and the ie of the window that owns it.
struct Link {
    QString address;
    std::function<void()> click;
    std::function<BrowserObject*()> ie;
};

Link LinkNamed(const QString& name) {
    if (name == "banner") {
        return {ToQString(kPublicationAddress), [] { QTest::mouseClick(tolvaform().Picture1(), Qt::LeftButton); },
                [] { return tolvaform().ie(); }};
    }
    return {ToQString(kMakerHomePage), [] { QTest::mouseClick(helpfrm().Label1(5), Qt::LeftButton); },
            [] { return helpfrm().ie(); }};
}

void QuitAndWait(RecordingBrowser* browser) {
    QPointer<RecordingBrowser> watched(browser);
    browser->Quit();
    QTRY_VERIFY(watched.isNull());  // the window lets its browser go
}

}  // namespace

class tst_Links : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { QCOMPARE(CloseAllWindows(), QStringList()); }

    void firstClickCreatesNavigatesAndShows_data() { linkRows(); }
    void firstClickCreatesNavigatesAndShows();
    void secondClickReusesTheOpenBrowser_data() { linkRows(); }
    void secondClickReusesTheOpenBrowser();
    void afterQuitTheNextClickCreatesANewBrowser_data() { linkRows(); }
    void afterQuitTheNextClickCreatesANewBrowser();
    void failedCreationLeavesIeEmptyAndTriesAgain_data() { linkRows(); }
    void failedCreationLeavesIeEmptyAndTriesAgain();
    void failureAfterCreationKeepsIe_data() { linkRows(); }
    void failureAfterCreationKeepsIe();
    void tabReachesTheLinkAndItsKeysOpenIt_data();
    void tabReachesTheLinkAndItsKeysOpenIt();
    void eachWindowHasItsOwnBrowser();
    void helpBrowserSurvivesReopeningTheHelpWindow();

private:
    void linkRows() {
        QTest::addColumn<QString>("link");
        QTest::newRow("banner") << "banner";
        QTest::newRow("home-page label") << "home-page label";
    }
};

void tst_Links::firstClickCreatesNavigatesAndShows() {
    QFETCH(QString, link);
    RecordingToolkit toolkit;
    const Link l = LinkNamed(link);
    QCOMPARE(l.ie(), nullptr);
    l.click();
    QCOMPARE(toolkit.browsers.attempts, 1);
    RecordingBrowser* browser = toolkit.browsers.created.at(0);
    QCOMPARE(l.ie(), browser);
    QCOMPARE(browser->navigations, QStringList{l.address});
    QVERIFY(browser->visible);
    QVERIFY(toolkit.boxes.shown.empty());
}

void tst_Links::secondClickReusesTheOpenBrowser() {
    QFETCH(QString, link);
    RecordingToolkit toolkit;
    const Link l = LinkNamed(link);
    l.click();
    toolkit.browsers.created.at(0)->visible = false;  // the user hid it behind other windows
    l.click();
    QCOMPARE(toolkit.browsers.attempts, 1);
    QCOMPARE(toolkit.browsers.created.at(0)->navigations, (QStringList{l.address, l.address}));
    QVERIFY(toolkit.browsers.created.at(0)->visible);
}

void tst_Links::afterQuitTheNextClickCreatesANewBrowser() {
    QFETCH(QString, link);
    RecordingToolkit toolkit;
    const Link l = LinkNamed(link);
    l.click();
    QuitAndWait(toolkit.browsers.created.at(0));
    QCOMPARE(l.ie(), nullptr);
    QCOMPARE(toolkit.browsers.attempts, 1);  // a quit creates nothing by itself
    l.click();
    QCOMPARE(toolkit.browsers.attempts, 2);
    QCOMPARE(l.ie(), toolkit.browsers.created.at(1));
    QCOMPARE(toolkit.browsers.created.at(1)->navigations, QStringList{l.address});
}

void tst_Links::failedCreationLeavesIeEmptyAndTriesAgain() {
    QFETCH(QString, link);
    RecordingToolkit toolkit;
    const Link l = LinkNamed(link);
    toolkit.browsers.failCreate = true;
    l.click();
    QCOMPARE(l.ie(), nullptr);
    QVERIFY(toolkit.boxes.shown.empty());  // failures are silent
    toolkit.browsers.failCreate = false;
    l.click();
    QCOMPARE(toolkit.browsers.attempts, 2);
    QVERIFY(l.ie() != nullptr);
}

void tst_Links::failureAfterCreationKeepsIe() {
    QFETCH(QString, link);
    RecordingToolkit toolkit;
    const Link l = LinkNamed(link);
    toolkit.browsers.failNavigate = true;
    l.click();
    RecordingBrowser* browser = toolkit.browsers.created.at(0);
    QCOMPARE(l.ie(), browser);
    QVERIFY(!browser->visible);  // the procedure ended at the failed navigation
    browser->failNavigate = false;
    l.click();
    QCOMPARE(toolkit.browsers.attempts, 1);
    QVERIFY(browser->visible);
}

void tst_Links::tabReachesTheLinkAndItsKeysOpenIt_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("key");
    for (const char* link : {"banner", "home-page label"}) {
        QTest::addRow("%s, Return", link) << link << int(Qt::Key_Return);
        QTest::addRow("%s, Space", link) << link << int(Qt::Key_Space);
    }
}

// Tab from the last control of the window moves to the link, which shows a focus mark; its key
// then opens the page as a click does.
void tst_Links::tabReachesTheLinkAndItsKeysOpenIt() {
    QFETCH(QString, link);
    QFETCH(int, key);
    RecordingToolkit toolkit;
    CurrentDirectory dir;
    const bool banner = link == QLatin1String("banner");
    QWidget* window = banner ? static_cast<QWidget*>(&tolvaform()) : &helpfrm();
    QWidget* last = banner ? static_cast<QWidget*>(tolvaform().phone_text090(2)) : helpfrm().Command1();
    ClickableLabel* label = banner ? tolvaform().Picture1() : helpfrm().Label1(5);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    last->setFocus();
    const QImage unfocused = label->grab().toImage();
    QTest::keyClick(last, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), label);
    QVERIFY2(label->grab().toImage() != unfocused, "no focus mark");
    QTest::keyClick(label, Qt::Key(key));
    QCOMPARE(toolkit.browsers.attempts, 1);
    QCOMPARE(toolkit.browsers.created.at(0)->navigations, QStringList{LinkNamed(link).address});
}

void tst_Links::eachWindowHasItsOwnBrowser() {
    RecordingToolkit toolkit;
    LinkNamed("banner").click();
    LinkNamed("home-page label").click();
    QCOMPARE(toolkit.browsers.attempts, 2);
    QCOMPARE(tolvaform().ie(), toolkit.browsers.created.at(0));
    QCOMPARE(helpfrm().ie(), toolkit.browsers.created.at(1));
    QuitAndWait(toolkit.browsers.created.at(0));
    QCOMPARE(tolvaform().ie(), nullptr);
    QCOMPARE(helpfrm().ie(), toolkit.browsers.created.at(1));  // the other one is untouched
}

void tst_Links::helpBrowserSurvivesReopeningTheHelpWindow() {
    RecordingToolkit toolkit;
    for (int shown = 0; shown < 2; ++shown) {
        QTimer::singleShot(0, [] {
            QTest::mouseClick(helpfrm().Label1(5), Qt::LeftButton);
            helpfrm().Command1()->click();
        });
        tolvaform().helpview()->trigger();
    }
    QCOMPARE(toolkit.browsers.attempts, 1);
    QCOMPARE(toolkit.browsers.created.at(0)->navigations, (QStringList{ToQString(kMakerHomePage), ToQString(kMakerHomePage)}));
}

QTEST_MAIN(tst_Links)
#include "tst_links.moc"

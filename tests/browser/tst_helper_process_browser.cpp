// The real milden-browser helper, started through the tool's factory, offscreen: it takes a local
// page, shows it, closes on request, and its quit reaches the tool exactly once.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "qt/helper_process_browser.h"
#include "qt/process_browser.h"

using milden::HelperProcessBrowser;

namespace {

// Counts the quits a browser reports.
struct Quits : milden::BrowserEvents {
    void OnQuit() override { ++count; }
    int count = 0;
};

}  // namespace

class TestHelperProcessBrowser : public QObject {
    Q_OBJECT
private slots:
    // Ends what a failed test left running, so no helper outlives the suite.
    void cleanup() {
        for (const pid_t pid : started_) {
            if (::waitpid(pid, nullptr, WNOHANG) != 0) continue;
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
        started_.clear();
    }

    // Beside the program first, then in ../libexec/milden; a file that cannot be run is no helper.
    void finds_an_executable_helper_beside_the_program_or_in_libexec() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("bin")) && dir.mkpath(QStringLiteral("libexec/milden")));
        const QString beside = dir.filePath(QStringLiteral("bin/milden-browser"));
        QFile plain(beside);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QCOMPARE(milden::FindBrowserHelper(dir.filePath(QStringLiteral("bin"))), QString());
        QVERIFY(HelperProcessBrowser::Start(beside) == nullptr);

        const QString installed = dir.filePath(QStringLiteral("libexec/milden/milden-browser"));
        WriteExecutable(installed);
        QCOMPARE(QFileInfo(milden::FindBrowserHelper(dir.filePath(QStringLiteral("bin")))).canonicalFilePath(),
                 QFileInfo(installed).canonicalFilePath());

        WriteExecutable(beside);
        QCOMPARE(milden::FindBrowserHelper(dir.filePath(QStringLiteral("bin"))), QFileInfo(beside).absoluteFilePath());
    }

    void real_helper_shows_a_page_and_quits_once() {
        QTemporaryDir pages;
        const QString page = WritePage(pages);

        const auto factory = milden::CreateProcessBrowserFactory();
        Quits quits;
        std::unique_ptr<milden::BrowserObject> first = factory->Create(quits);
        QVERIFY2(first, "milden-browser was not found beside the test or could not start");
        auto* helper = dynamic_cast<HelperProcessBrowser*>(first.get());
        QVERIFY(helper);
        const qint64 firstId = helper->processId();
        QVERIFY(firstId > 0);
        started_.push_back(static_cast<pid_t>(firstId));
        QSignalSpy loads(helper, &HelperProcessBrowser::PageLoaded);

        // Addresses it must not open are written, ignored by the helper, and load nothing.
        QVERIFY(first->Navigate(u"javascript:alert(1)"));
        QVERIFY(!first->Navigate(u"https://example.jp/\nclose"));
        QVERIFY(first->Navigate(QUrl::fromLocalFile(page).toString().toStdU16String()));
        QVERIFY(first->SetVisible(true));
        QVERIFY(!first->SetVisible(false));
        QTRY_COMPARE_WITH_TIMEOUT(loads.count(), 1, 30000);
        QCOMPARE(loads.at(0).at(0).toBool(), true);
        QCOMPARE(quits.count, 0);

        QVERIFY(helper->Close());
        QTRY_COMPARE_WITH_TIMEOUT(quits.count, 1, 30000);
        QVERIFY2(helper->ExitedCleanly(), "the helper crashed or failed instead of closing");
        QTest::qWait(300);
        QVERIFY2(quits.count == 1, "the quit arrived twice");
        QVERIFY(!first->Navigate(u"https://example.jp/"));
        QVERIFY(!first->SetVisible(true));

        std::unique_ptr<milden::BrowserObject> second = factory->Create(quits);
        QVERIFY(second);
        const qint64 secondId = dynamic_cast<HelperProcessBrowser*>(second.get())->processId();
        QVERIFY(secondId > 0);
        started_.push_back(static_cast<pid_t>(secondId));
        QVERIFY(secondId != firstId);
        QVERIFY(second->Navigate(u"https://example.jp/"));
    }

    void dropped_reference_leaves_a_shown_window_open_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown: the window is the user's") << true;
        QTest::newRow("never shown: the helper ends") << false;
    }

    // What the tool's exit does to a helper: its reference is dropped without waiting for it.
    void dropped_reference_leaves_a_shown_window_open() {
        QFETCH(bool, shown);
        QTemporaryDir pages;
        const QString page = WritePage(pages);
        const auto factory = milden::CreateProcessBrowserFactory();
        Quits quits;
        std::unique_ptr<milden::BrowserObject> browser = factory->Create(quits);
        QVERIFY(browser);
        auto* helper = dynamic_cast<HelperProcessBrowser*>(browser.get());
        const pid_t pid = static_cast<pid_t>(helper->processId());
        started_.push_back(pid);
        QCOMPARE(::getsid(pid), pid);  // its own session: the tool's terminal and signals miss it
        QSignalSpy loads(helper, &HelperProcessBrowser::PageLoaded);
        QVERIFY(browser->Navigate(QUrl::fromLocalFile(page).toString().toStdU16String()));
        if (shown) QVERIFY(browser->SetVisible(true));
        QTRY_COMPARE_WITH_TIMEOUT(loads.count(), 1, 30000);

        QElapsedTimer drop;
        drop.start();
        browser.reset();
        QVERIFY2(drop.elapsed() < 100, "dropping the reference waited for the helper");

        // The helper quits when its last window closes, so running means its window is open.
        QTest::qWait(1500);
        int status = 0;
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (shown) {
            QCOMPARE(ended, 0);
            ::kill(pid, SIGTERM);
            QCOMPARE(::waitpid(pid, &status, 0), pid);
        } else {
            QCOMPARE(ended, pid);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    }

private:
    std::vector<pid_t> started_;  // the helpers this test started

    static QString WritePage(const QTemporaryDir& dir) {
        QFile page(QDir(dir.path()).filePath(QStringLiteral("page.html")));
        if (!page.open(QIODevice::WriteOnly)) return {};
        page.write("<html><head><title>local page</title></head><body>hello</body></html>");
        return page.fileName();
    }

    static void WriteExecutable(const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
    }
};

QTEST_MAIN(TestHelperProcessBrowser)
#include "tst_helper_process_browser.moc"

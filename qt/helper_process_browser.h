// A BrowserObject that drives one milden-browser helper process over its standard input.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "desktop/front_end.h"
#include "qt/helper_process.h"

namespace milden {

class HelperProcessBrowser : public QObject, public BrowserObject {
    Q_OBJECT
public:
    // Starts program; nullptr when it cannot be started. The helper's engine messages are kept
    // off the tool's standard error unless MILDEN_BROWSER_DIAGNOSTICS=1.
    static std::unique_ptr<HelperProcessBrowser> Start(const QString& program);
    // Lets the helper go without waiting: a shown window stays open for the user, an unshown
    // helper ends by itself.
    ~HelperProcessBrowser() override;

    bool Navigate(std::u16string_view address) override;
    bool SetVisible(bool visible) override;
    // Asks the helper to close its window, as the user would.
    bool Close();
    qint64 processId() const { return process_->pid(); }
    // True once the helper has ended by itself with exit code 0.
    bool ExitedCleanly() const { return process_->exitedCleanly(); }

signals:
    // The helper has finished loading a page, ok or not.
    void PageLoaded(bool ok);
    // The browser window has closed: the helper has ended. Emitted once.
    void closed();

private:
    explicit HelperProcessBrowser(std::unique_ptr<HelperProcess> process);
    void ReadAnswer(const QByteArray& line);
    void Finished();

    std::unique_ptr<HelperProcess> process_;
    bool quitReported_ = false;
};

// Where the helper lives relative to the running program: beside it in the build tree, or
// ../libexec/milden/ when installed. Empty when neither exists.
QString FindBrowserHelper(const QString& programDir);

}  // namespace milden

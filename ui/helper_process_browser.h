// A BrowserObject that drives one milden-browser helper process over its standard input.
#pragma once

#include <QProcess>
#include <QString>
#include <memory>

#include "browser_object.h"

namespace milden {

class HelperProcessBrowser : public BrowserObject {
    Q_OBJECT
public:
    // Starts program; nullptr when it cannot be started.
    static std::unique_ptr<HelperProcessBrowser> Start(const QString& program);
    ~HelperProcessBrowser() override;

    bool Navigate(const QString& address) override;
    bool SetVisible(bool visible) override;
    // Asks the helper to close its window, as the user would.
    bool Close();
    qint64 processId() const { return process_.processId(); }
    // True once the helper has ended by itself with exit code 0.
    bool ExitedCleanly() const;

signals:
    // The helper has finished loading a page, ok or not.
    void PageLoaded(bool ok);

private:
    HelperProcessBrowser();
    bool Send(const QByteArray& line);
    void Finished();
    void ReadAnswers();

    QProcess process_;
    bool quitReported_ = false;
};

// Where the helper lives relative to the running program: beside it in the build tree, or
// ../libexec/milden/ when installed. Empty when neither exists.
QString FindBrowserHelper(const QString& programDir);

}  // namespace milden

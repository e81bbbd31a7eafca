#include "helper_process_browser.h"

#include <QDir>
#include <QFileInfo>

namespace milden {

std::unique_ptr<HelperProcessBrowser> HelperProcessBrowser::Start(const QString& program) {
    if (program.isEmpty()) return nullptr;
    std::unique_ptr<HelperProcessBrowser> browser(new HelperProcessBrowser);
    browser->process_.setProgram(program);
    // Its diagnostics go where the tool's go; its standard output carries only its answers.
    browser->process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    browser->process_.start();
    if (!browser->process_.waitForStarted(5000)) return nullptr;
    return browser;
}

HelperProcessBrowser::HelperProcessBrowser() {
    connect(&process_, &QProcess::finished, this, &HelperProcessBrowser::Finished);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::Crashed) Finished();
    });
    connect(&process_, &QProcess::readyReadStandardOutput, this, &HelperProcessBrowser::ReadAnswers);
}

void HelperProcessBrowser::ReadAnswers() {
    while (process_.canReadLine()) {
        const QByteArray line = process_.readLine().trimmed();
        if (line == "loaded ok") emit PageLoaded(true);
        else if (line == "loaded failed") emit PageLoaded(false);
    }
    // A helper that writes endless text without line ends is not allowed to fill the memory.
    if (process_.bytesAvailable() > 4096) process_.readAll();
}

bool HelperProcessBrowser::ExitedCleanly() const {
    return process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0 && quitReported_;
}

HelperProcessBrowser::~HelperProcessBrowser() {
    process_.disconnect(this);
    if (process_.state() == QProcess::NotRunning) return;
    // Closing its input ends the helper; it is killed only if it does not go in time.
    process_.closeWriteChannel();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

bool HelperProcessBrowser::Navigate(const QString& address) {
    if (address.contains(QLatin1Char('\n')) || address.contains(QLatin1Char('\r'))) return false;
    return Send("navigate " + address.toUtf8() + '\n');
}

bool HelperProcessBrowser::SetVisible(bool visible) {
    // The helper has no way back to hidden; asking for it is a failure, not a silent success.
    if (!visible) return false;
    return Send("show\n");
}

bool HelperProcessBrowser::Close() { return Send("close\n"); }

bool HelperProcessBrowser::Send(const QByteArray& line) {
    if (process_.state() != QProcess::Running) return false;
    return process_.write(line) == line.size();
}

void HelperProcessBrowser::Finished() {
    if (quitReported_) return;
    quitReported_ = true;
    emit OnQuit();
}

QString FindBrowserHelper(const QString& programDir) {
    const QDir dir(programDir);
    for (const QString& candidate : {dir.filePath(QStringLiteral("milden-browser")),
                                     dir.filePath(QStringLiteral("../libexec/milden/milden-browser"))}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable()) return info.absoluteFilePath();
    }
    return {};
}

}  // namespace milden

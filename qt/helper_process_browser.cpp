#include "qt/helper_process_browser.h"

#include <QDir>
#include <QFileInfo>

#include "browser/browser_command.h"
#include "qt/qt_text.h"

namespace milden {

std::unique_ptr<HelperProcessBrowser> HelperProcessBrowser::Start(const QString& program) {
    const bool diagnostics = qEnvironmentVariableIntValue("MILDEN_BROWSER_DIAGNOSTICS") == 1;
    std::unique_ptr<HelperProcess> process = HelperProcess::Start(program, diagnostics);
    if (!process) return nullptr;
    return std::unique_ptr<HelperProcessBrowser>(new HelperProcessBrowser(std::move(process)));
}

HelperProcessBrowser::HelperProcessBrowser(std::unique_ptr<HelperProcess> process) : process_(std::move(process)) {
    connect(process_.get(), &HelperProcess::finished, this, &HelperProcessBrowser::Finished);
    connect(process_.get(), &HelperProcess::lineRead, this, &HelperProcessBrowser::ReadAnswer);
}

HelperProcessBrowser::~HelperProcessBrowser() = default;

void HelperProcessBrowser::ReadAnswer(const QByteArray& line) {
    if (const std::optional<bool> loaded = ParseLoadedAnswer(line)) emit PageLoaded(*loaded);
}

bool HelperProcessBrowser::Navigate(std::u16string_view text) {
    const QString address = ToQString(text);
    if (address.contains(QLatin1Char('\n')) || address.contains(QLatin1Char('\r'))) return false;
    return process_->Write(ProtocolLine(kNavigateVerb, address));
}

bool HelperProcessBrowser::SetVisible(bool visible) {
    // The helper has no way back to hidden; asking for it is a failure, not a silent success.
    if (!visible) return false;
    return process_->Write(ProtocolLine(kShowVerb));
}

bool HelperProcessBrowser::Close() { return process_->Write(ProtocolLine(kCloseVerb)); }

void HelperProcessBrowser::Finished() {
    if (quitReported_) return;
    quitReported_ = true;
    emit closed();
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

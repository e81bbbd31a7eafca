// Toolkit services for the window tests: boxes are recorded instead of shown, and browsers are
// recorders that can be told to fail at any step and to report that they have quit.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

#include "tests/support/recording_services.h"
#include "ui/tolvaform.h"
#include "ui/toolkit.h"

namespace milden::test_support {

// A recorded box's text for comparing with a window's Qt strings.
inline QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

class RecordingBrowser : public BrowserObject {
    Q_OBJECT
public:
    bool Navigate(const QString& address) override;
    bool SetVisible(bool visible) override;
    // The user closes the browser window.
    void Quit() { emit OnQuit(); }

    QStringList navigations;
    bool visible = false;
    bool failNavigate = false;
    bool failSetVisible = false;
};

class RecordingBrowserFactory : public BrowserFactory {
public:
    std::unique_ptr<BrowserObject> Create() override;

    int attempts = 0;                             // calls of Create, failed ones included
    bool failCreate = false;                      // Create returns nullptr
    bool failNavigate = false;                    // browsers created from now on refuse Navigate
    std::vector<QPointer<RecordingBrowser>> created;  // null once a browser has been deleted
};

// Installs fresh recorders as the toolkit for the windows created next. The windows go before the
// recorders do, and the default toolkit comes back.
struct RecordingToolkit {
    RecordingToolkit() { InstallToolkit({&boxes, &browsers}); }
    ~RecordingToolkit() {
        DestroyTolvaform();
        InstallToolkit({});
    }
    RecordingToolkit(const RecordingToolkit&) = delete;
    RecordingToolkit& operator=(const RecordingToolkit&) = delete;
    RecordingBoxes boxes;
    RecordingBrowserFactory browsers;
};

}  // namespace milden::test_support

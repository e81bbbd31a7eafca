// The browser window that the web links drive: created on demand, sent to an address, made
// visible, and reporting when the user has closed it. The tool's own implementation drives the
// milden-browser helper process; tests use recording ones.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace milden {

class BrowserObject : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts loading address and returns without waiting for the page; false on failure.
    virtual bool Navigate(const QString& address) = 0;
    // Shows the browser window; false on failure.
    virtual bool SetVisible(bool visible) = 0;

signals:
    // The browser window has closed. Emitted once, on the user-interface thread.
    void OnQuit();
};

class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    // A new browser of its own, not yet visible; nullptr when none can be created.
    virtual std::unique_ptr<BrowserObject> Create() = 0;
};

}  // namespace milden

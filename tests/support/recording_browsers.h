// Browser objects for the window tests: each records what it is asked into a log that outlives it,
// creation and navigation can be made to fail, and a test can close a browser window as its user
// would.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/front_end.h"

namespace milden::test_support {

struct BrowserLog {
    std::vector<std::u16string> navigations;
    bool visible = false;
    bool failNavigate = false;
    bool released = false;
    BrowserEvents* events = nullptr;
};

class RecordingBrowsers : public BrowserFactory {
public:
    std::unique_ptr<BrowserObject> Create(BrowserEvents& events) override {
        ++attempts;
        if (failCreate) return nullptr;
        logs.push_back(std::make_unique<BrowserLog>());
        logs.back()->failNavigate = failNavigate;
        logs.back()->events = &events;
        return std::make_unique<Browser>(*logs.back());
    }
    void OpenInDefaultBrowser(std::u16string_view address) override { openedInDefaultBrowser.emplace_back(address); }

    // The user closes browser i (in order of creation): its holder hears OnQuit.
    void Quit(std::size_t i) { logs.at(i)->events->OnQuit(); }

    int attempts = 0;           // calls of Create, failed ones included
    bool failCreate = false;    // Create gives nullptr
    bool failNavigate = false;  // browsers created from now on refuse Navigate
    std::vector<std::unique_ptr<BrowserLog>> logs;  // one per browser created
    std::vector<std::u16string> openedInDefaultBrowser;

private:
    class Browser : public BrowserObject {
    public:
        explicit Browser(BrowserLog& log) : log_(log) {}
        ~Browser() override { log_.released = true; }
        bool Navigate(std::u16string_view address) override {
            if (log_.failNavigate) return false;
            log_.navigations.emplace_back(address);
            return true;
        }
        bool SetVisible(bool visible) override {
            log_.visible = visible;
            return true;
        }

    private:
        BrowserLog& log_;
    };
};

}  // namespace milden::test_support

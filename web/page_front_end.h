// The page as a front end of the windows in desktop/: each view, message box and browser object is
// a thin call into the view object of page.js, which reads and changes the page and nothing else.
// The view object's methods, controls named by their place in the window's design:
//   text(control), isSelected(control), select(control), show(), setFocus(control)  the main window
//   showHelp(), closeHelp(), setHelpFocus(control)                                 the help window
//   showBox({title, icon, lines})   a message box, shown as a modal dialog; returns at once
//   openLink(address)               opens address in a new tab of its own
#pragma once

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string_view>

#include "desktop/front_end.h"

namespace milden {

class PageFrontEnd final : public FrontEnd, private MessageBoxService, private BrowserFactory {
public:
    explicit PageFrontEnd(emscripten::val view) : view_(std::move(view)) {}

    MessageBoxService& Boxes() override { return *this; }
    BrowserFactory& Browsers() override { return *this; }
    std::unique_ptr<TolvaformView> CreateTolvaformView(Tolvaform& form) override;
    std::unique_ptr<HelpfrmView> CreateHelpfrmView(Helpfrm& help) override;

private:
    void ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) override;
    std::unique_ptr<BrowserObject> Create(BrowserEvents& events) override;
    void OpenInDefaultBrowser(std::u16string_view) override {}

    emscripten::val view_;
};

}  // namespace milden

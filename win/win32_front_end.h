// The Win32 front end of the windows (desktop/front_end.h): native windows, MessageBoxW and the
// InternetExplorer automation object, or the boxes and browsers it is given.
#pragma once

#include "desktop/front_end.h"
#include "win/helpfrm_window.h"
#include "win/internet_explorer.h"
#include "win/message_boxes.h"
#include "win/tolvaform_window.h"

namespace milden {

class Win32FrontEnd : public FrontEnd {
public:
    Win32FrontEnd() : boxes_(ownBoxes_), browsers_(ownBrowsers_) {}
    // boxes and browsers must outlive the windows.
    Win32FrontEnd(MessageBoxService& boxes, BrowserFactory& browsers) : boxes_(boxes), browsers_(browsers) {}

    MessageBoxService& Boxes() override { return boxes_; }
    BrowserFactory& Browsers() override { return browsers_; }
    std::unique_ptr<TolvaformView> CreateTolvaformView(Tolvaform& form) override;
    // Owned by the main window made last.
    std::unique_ptr<HelpfrmView> CreateHelpfrmView(Helpfrm& help) override;

    // The windows made last (nullptr before); they live as long as the Tolvaform that made them.
    TolvaformWindow* tolvaform() const { return tolvaform_; }
    HelpfrmWindow* helpfrm() const { return helpfrm_; }

private:
    Win32MessageBoxes ownBoxes_;
    InternetExplorerFactory ownBrowsers_;
    MessageBoxService& boxes_;
    BrowserFactory& browsers_;
    TolvaformWindow* tolvaform_ = nullptr;
    HelpfrmWindow* helpfrm_ = nullptr;
};

}  // namespace milden

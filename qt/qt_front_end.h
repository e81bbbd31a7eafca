// The Qt front end of the windows (desktop/front_end.h): QWidget windows, the message boxes and
// the browsers it is given.
#pragma once

#include <QPointer>

#include "desktop/front_end.h"
#include "qt/helpfrm_window.h"
#include "qt/tolvaform_window.h"

namespace milden {

class QtFrontEnd : public FrontEnd {
public:
    // boxes and browsers must outlive the windows.
    QtFrontEnd(MessageBoxService& boxes, BrowserFactory& browsers) : boxes_(boxes), browsers_(browsers) {}

    MessageBoxService& Boxes() override { return boxes_; }
    BrowserFactory& Browsers() override { return browsers_; }
    std::unique_ptr<TolvaformView> CreateTolvaformView(Tolvaform& form) override;
    // A child of the main window made last.
    std::unique_ptr<HelpfrmView> CreateHelpfrmView(Helpfrm& help) override;

    // The windows made last; nullptr before, and once they are gone.
    TolvaformWindow* tolvaform() const { return tolvaform_; }
    HelpfrmWindow* helpfrm() const { return helpfrm_; }

private:
    MessageBoxService& boxes_;
    BrowserFactory& browsers_;
    QPointer<TolvaformWindow> tolvaform_;
    QPointer<HelpfrmWindow> helpfrm_;
};

}  // namespace milden

// A front end whose windows are recorders: a test sets the texts of the main window's boxes, the
// option buttons keep one selection, and every call a window makes of its view is logged in order
// ("Select 0", "Show", "SetFocus 3", "help ShowModal"...). Boxes and browsers are recorded too.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "desktop/front_end.h"
#include "desktop/window_designs.h"
#include "tests/support/recording_browsers.h"
#include "tests/support/recording_services.h"

namespace milden::test_support {

class RecordingFrontEnd : public FrontEnd {
public:
    MessageBoxService& Boxes() override { return boxes; }
    BrowserFactory& Browsers() override { return browsers; }
    std::unique_ptr<TolvaformView> CreateTolvaformView(Tolvaform&) override { return std::make_unique<MainView>(*this); }
    std::unique_ptr<HelpfrmView> CreateHelpfrmView(Helpfrm&) override {
        ++helpViews;
        return std::make_unique<HelpView>(*this);
    }

    RecordingBoxes boxes;
    RecordingBrowsers browsers;
    std::vector<std::string> calls;
    std::array<std::u16string, kTolvaformControls.size()> texts;  // by control
    int selected = -1;  // the option button selected, -1 for none
    int helpViews = 0;

private:
    struct MainView : TolvaformView {
        explicit MainView(RecordingFrontEnd& f) : f(f) {}
        std::u16string Text(int control) const override { return f.texts.at(static_cast<std::size_t>(control)); }
        bool IsSelected(int control) const override { return control == f.selected; }
        void Select(int control) override {
            f.selected = control;
            f.calls.push_back("Select " + std::to_string(control));
        }
        void Show() override { f.calls.push_back("Show"); }
        void SetFocus(int control) override { f.calls.push_back("SetFocus " + std::to_string(control)); }
        RecordingFrontEnd& f;
    };
    struct HelpView : HelpfrmView {
        explicit HelpView(RecordingFrontEnd& f) : f(f) {}
        void ShowModal() override { f.calls.push_back("help ShowModal"); }  // returns at once, as a web page's does
        void Close() override { f.calls.push_back("help Close"); }
        void SetFocus(int control) override { f.calls.push_back("help SetFocus " + std::to_string(control)); }
        RecordingFrontEnd& f;
    };
};

}  // namespace milden::test_support

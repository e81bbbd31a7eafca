// The main window tolvaform on Windows: the range choice, the digit boxes with their key filter,
// the search, the help menu with the version box, and the banner. It owns the lookup data for its
// whole life and its own browser reference ie for the banner link.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>

#include "engine/lookup_session.h"
#include "win/designed_controls.h"
#include "win/toolkit.h"
#include "win/window_class.h"

namespace milden {

class Tolvaform : public DesignedWindow {
public:
    // Creates the window, hidden, with its controls and menu at its DPI.
    explicit Tolvaform(const Toolkit& toolkit);
    ~Tolvaform() override;

    // The start-up sequence: loads sorvane.dat from the current directory, selects "090-",
    // shows the window centred and puts the focus into phone_text090(0).
    void Load();

    HWND hwnd() const { return window_; }
    // A control of the design by its name: "tolvaselect(0)", "phone_text090(1)", "Picture1"...
    HWND Control(std::string_view name) const { return (*controls_)[name]; }
    const LookupTables& tables() const { return session_.tables(); }
    // The banner's browser; nullptr while none is held.
    BrowserObject* ie() const { return ie_.get(); }

    // The menu items' command ids.
    static constexpr int kHelpviewId = 10;
    static constexpr int kVersionsId = 11;

    LRESULT Handle(HWND window, UINT message, WPARAM w, LPARAM l) override;

private:
    void researchbtn_Click();
    void helpview_Click();
    void versions_Click();
    void Link_Click(std::u16string_view address);
    void ie_OnQuit();
    void Unload();

    Toolkit toolkit_;
    LookupSession session_;
    std::unique_ptr<BrowserObject> ie_;
    HWND window_ = nullptr;
    std::unique_ptr<DesignedControls> controls_;
    bool unloaded_ = false;
};

// The one main window of the program, created on first use with the installed toolkit.
Tolvaform& tolvaform();

// Destroys the main window and the help window, if there are any; the next use of tolvaform()
// creates a new one.
void DestroyTolvaform();

}  // namespace milden

// The main window tolvaform, as every front end shows it: the start-up sequence and the unload,
// the key filter of the digit boxes, the search request (the 検　索 button and Return), the help
// menu with the help window and the version box, the banner's web link on the window's own browser
// reference ie, and the keyboard focus given back when the window is active again. It owns the
// lookup data, its view and the help window.
#pragma once

#include <memory>

#include "desktop/front_end.h"
#include "desktop/link_procedure.h"
#include "desktop/window_designs.h"
#include "engine/lookup_session.h"

namespace milden {

class Tolvaform final : public FormEvents {
public:
    // The controls by their place in the design; index i of a control array is range i (0 "090-",
    // 1 "080-", 2 "070-").
    static constexpr int tolvaselect(int i) { return ControlIndex(kTolvaform, "tolvaselect", i); }
    static constexpr int phone_text090(int i) { return ControlIndex(kTolvaform, "phone_text090", i); }
    static constexpr int researchbtn = ControlIndex(kTolvaform, "researchbtn");
    static constexpr int Picture1 = ControlIndex(kTolvaform, "Picture1");
    // The menu items, by their place in kHelpMenuItems.
    static constexpr int helpview = MenuItemIndex("helpview");
    static constexpr int versions = MenuItemIndex("versions");

    // Creates the window's view through frontEnd, hidden; frontEnd must outlive the window.
    explicit Tolvaform(FrontEnd& frontEnd);
    ~Tolvaform();
    Tolvaform(const Tolvaform&) = delete;
    Tolvaform& operator=(const Tolvaform&) = delete;

    // The start-up sequence: clears the loaded flags and loads sorvane.dat from the current
    // directory (silently: a missing file leaves the tables empty), selects "090-", shows the
    // window and puts the focus into phone_text090(0).
    void Load();
    // The window has closed: releases the lists whose loaded flag is set.
    void Unload();

    // A character key typed into text box control; code is the character (13 Return, 8
    // Backspace, 22 the keyboard paste). Return runs the search request. False when the key is
    // cancelled: once the box holds four characters, keys that would insert more.
    bool KeyPress(int control, char16_t code);
    // Menu item item was chosen.
    void MenuClick(int item);

    void Click(int control) override;
    void Activate() override;
    void Deactivate(int focused) override;

    // The one help window, created on first use.
    Helpfrm& helpfrm();

    const LookupTables& tables() const { return session_.tables(); }
    // The banner's browser; nullptr while ie is empty.
    BrowserObject* ie() const { return ie_.get(); }

private:
    void researchbtn_Click();
    void helpview_Click();
    void versions_Click();

    FrontEnd& frontEnd_;
    LookupSession session_;
    BrowserReference ie_;
    int focused_ = phone_text090(0);  // the control given the focus when the window is active
    std::unique_ptr<TolvaformView> view_;
    std::unique_ptr<Helpfrm> helpfrm_;  // goes before the view: its window is the view's child
};

}  // namespace milden

// How a front end plugs in. What the two windows do is written once, here in desktop/: the main
// window in Tolvaform (desktop/tolvaform.h), the help window in Helpfrm (desktop/helpfrm.h). A
// front end (Qt, Win32, the web page) implements FrontEnd below and nothing else:
//   - one view per window: it builds the window's controls from the window's design
//     (desktop/window_designs.h), turns its toolkit's events into calls of the window (a click, a
//     key typed into a digit box, a menu item, the window's activation) and does what the window
//     asks of it through the view;
//   - the message boxes (MessageBoxService, engine/toolkit_services.h);
//   - the browser objects of the web links.
// A control is named by its place in its window's design (ControlIndex), a menu item by its place
// in kHelpMenuItems. The interfaces take and give plain integers and UTF-16 strings, so that a
// front end written in another language needs only a thin glue. Everything runs on one thread.
// Nothing relies on a box or the help window blocking until it is closed: the windows do nothing
// after showing one, so boxes that return at once (a web page's <dialog>) work the same.
//
//     MyFrontEnd frontEnd;
//     Tolvaform form(frontEnd);  // makes the main window's view through frontEnd, hidden
//     form.Load();               // loads the data file, shows the window
//     ...run the toolkit's event loop; the view calls form.Unload() when the window closes
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/toolkit_services.h"

namespace milden {

class Helpfrm;
class Tolvaform;

// A browser window that a web link drives. Letting the object go releases it and ends its event
// subscription; it never closes the browser window, which is the user's from then on.
class BrowserObject {
public:
    virtual ~BrowserObject() = default;
    // Starts loading address and returns without waiting for the page; false on failure.
    virtual bool Navigate(std::u16string_view address) = 0;
    // Shows or hides the browser window; false on failure.
    virtual bool SetVisible(bool visible) = 0;
};

// What a browser object reports to the window that holds it.
class BrowserEvents {
public:
    // The user has closed the browser window. Delivered once, as an event of its own on the
    // user-interface thread (never from inside a call of the browser object, nor of its own
    // notification): the window lets the browser object go inside this call.
    virtual void OnQuit() = 0;

protected:
    ~BrowserEvents() = default;
};

class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    // A new browser window of its own, not yet visible, reporting to events; nullptr when none
    // can be created.
    virtual std::unique_ptr<BrowserObject> Create(BrowserEvents& events) = 0;
    // Opens address in the user's default browser, where the platform has one besides the
    // browser objects; else does nothing.
    virtual void OpenInDefaultBrowser(std::u16string_view address) = 0;
};

// The events both windows take from their view.
class FormEvents {
public:
    // control was clicked (a push button, a label, the picture, or pressed from the keyboard).
    virtual void Click(int control) = 0;
    // The window has become the active one again: after a box or the help window closed, or when
    // the user comes back from another program.
    virtual void Activate() = 0;
    // The window is no longer the active one; focused is the control that has the keyboard focus,
    // -1 when none of the window's controls has it.
    virtual void Deactivate(int focused) = 0;

protected:
    ~FormEvents() = default;
};

// The main window's controls, as its behaviour reads and moves them.
class TolvaformView {
public:
    virtual ~TolvaformView() = default;
    // The whole text of text box control.
    virtual std::u16string Text(int control) const = 0;
    // Whether option button control is selected.
    virtual bool IsSelected(int control) const = 0;
    // Selects option button control; the other option buttons of the window are cleared.
    virtual void Select(int control) = 0;
    // Shows the window, modeless, centred on the screen; returns at once.
    virtual void Show() = 0;
    // Moves the keyboard focus into control (once the window is shown: before, it may do nothing).
    virtual void SetFocus(int control) = 0;
};

// The help window as its behaviour shows and closes it.
class HelpfrmView {
public:
    virtual ~HelpfrmView() = default;
    // Shows the window centred and modal: the main window takes no input until it is closed. On
    // a desktop it returns once the window has been closed; it may return at once.
    virtual void ShowModal() = 0;
    // Closes the window, which stays to be shown again; the main window takes input again.
    virtual void Close() = 0;
    // Moves the keyboard focus into control; before the window is shown, it may do nothing.
    virtual void SetFocus(int control) = 0;
};

class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    virtual MessageBoxService& Boxes() = 0;
    virtual BrowserFactory& Browsers() = 0;
    // The main window's view, hidden, its events going to form. Called once per Tolvaform, from
    // its constructor.
    virtual std::unique_ptr<TolvaformView> CreateTolvaformView(Tolvaform& form) = 0;
    // The help window's view, hidden, owned by the main window, its events going to help.
    // Called once per Helpfrm, from its constructor.
    virtual std::unique_ptr<HelpfrmView> CreateHelpfrmView(Helpfrm& help) = 0;
};

}  // namespace milden

// The help window helpfrm, as every front end shows it: one instance, owned by the main window and
// shown modal from its menu, each showing starting with the focus on 閉じる; the address label's
// web link on the window's own browser reference ie, which stays held across closing and reopening
// the window; and the keyboard focus given back when the window is active again.
#pragma once

#include "desktop/front_end.h"
#include "desktop/link_procedure.h"
#include "desktop/window_designs.h"

namespace milden {

class Helpfrm final : public FormEvents {
public:
    static constexpr int Label1(int i) { return ControlIndex(kHelpfrm, "Label1", i); }
    static constexpr int Command1 = ControlIndex(kHelpfrm, "Command1");

    // Creates the window's view through frontEnd, hidden.
    explicit Helpfrm(FrontEnd& frontEnd);
    Helpfrm(const Helpfrm&) = delete;
    Helpfrm& operator=(const Helpfrm&) = delete;

    // Shows the window modal with the focus on 閉じる.
    void Show();

    // 閉じる closes the window; the address label runs the link procedure; other labels do nothing.
    void Click(int control) override;
    void Activate() override;
    void Deactivate(int focused) override;

    // The address label's browser; nullptr while ie is empty.
    BrowserObject* ie() const { return ie_.get(); }

private:
    BrowserReference ie_;
    int focused_ = Command1;
    std::unique_ptr<HelpfrmView> view_;
};

}  // namespace milden

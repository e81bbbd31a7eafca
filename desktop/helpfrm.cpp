#include "desktop/helpfrm.h"

namespace milden {

Helpfrm::Helpfrm(FrontEnd& frontEnd) : ie_(frontEnd.Browsers()), view_(frontEnd.CreateHelpfrmView(*this)) {}

void Helpfrm::Show() {
    focused_ = Command1;
    view_->SetFocus(focused_);
    view_->ShowModal();
}

void Helpfrm::Click(int control) {
    const ControlDesign* clicked = ControlAt(kHelpfrm, control);
    if (!clicked) return;
    if (control == Command1) view_->Close();
    if (!clicked->link.empty()) ie_.RunLinkProcedure(clicked->link);
}

void Helpfrm::Activate() { view_->SetFocus(focused_); }

void Helpfrm::Deactivate(int focused) {
    if (ControlAt(kHelpfrm, focused)) focused_ = focused;
}

}  // namespace milden

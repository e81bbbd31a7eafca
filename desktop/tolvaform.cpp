#include "desktop/tolvaform.h"

#include "desktop/helpfrm.h"
#include "desktop/key_filter.h"
#include "desktop/version_box.h"
#include "version.h"

namespace milden {
namespace {

// The option buttons tolvaselect(0..2) as the lookup reads them, from the view.
class OptionButtons : public RangeOptions {
public:
    explicit OptionButtons(const TolvaformView& view) : view_(view) {}
    bool IsSelected(int index) const override {
        return index >= 0 && index < static_cast<int>(kAllRanges.size()) && view_.IsSelected(Tolvaform::tolvaselect(index));
    }

private:
    const TolvaformView& view_;
};

}  // namespace

Tolvaform::Tolvaform(FrontEnd& frontEnd)
    : frontEnd_(frontEnd), ie_(frontEnd.Browsers()), view_(frontEnd.CreateTolvaformView(*this)) {}

Tolvaform::~Tolvaform() = default;

void Tolvaform::Load() {
    session_.LoadFromCurrentDirectory();
    view_->Select(tolvaselect(0));
    view_->Show();
    focused_ = phone_text090(0);
    view_->SetFocus(focused_);
}

void Tolvaform::Unload() { session_.Release(); }

bool Tolvaform::KeyPress(int control, char16_t code) {
    const ControlDesign* box = ControlAt(kTolvaform, control);
    if (!box || box->kind != ControlKind::TextBox) return true;
    switch (FilterDigitKey(code, view_->Text(control).size())) {
    case DigitKeyAction::Search: researchbtn_Click(); return true;
    case DigitKeyAction::Discard: return false;
    case DigitKeyAction::Pass: break;
    }
    return true;
}

void Tolvaform::MenuClick(int item) {
    if (item == helpview) helpview_Click();
    else if (item == versions) versions_Click();
}

void Tolvaform::Click(int control) {
    const ControlDesign* clicked = ControlAt(kTolvaform, control);
    if (!clicked) return;
    if (control == researchbtn) researchbtn_Click();
    if (!clicked->link.empty()) ie_.RunLinkProcedure(clicked->link);
}

void Tolvaform::Activate() { view_->SetFocus(focused_); }

void Tolvaform::Deactivate(int focused) {
    if (ControlAt(kTolvaform, focused)) focused_ = focused;
}

Helpfrm& Tolvaform::helpfrm() {
    if (!helpfrm_) helpfrm_ = std::make_unique<Helpfrm>(frontEnd_);
    return *helpfrm_;
}

// The text of the box of the selected range, whichever box has the focus; nothing when no range
// is selected. The lookup shows the answer itself, and nothing happens after it.
void Tolvaform::researchbtn_Click() {
    const OptionButtons options(*view_);
    for (int i = 0; i < static_cast<int>(kAllRanges.size()); ++i) {
        if (!options.IsSelected(i)) continue;
        session_.Search(view_->Text(phone_text090(i)), options, frontEnd_.Boxes());
        return;
    }
}

void Tolvaform::helpview_Click() { helpfrm().Show(); }

void Tolvaform::versions_Click() {
    frontEnd_.Boxes().ShowMessage(VersionBoxPrompt(MILDEN_VERSION), BoxStyle::NoIcon, kVersionBoxTitle);
}

}  // namespace milden

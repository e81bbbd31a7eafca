#include "win/tolvaform.h"

#include "desktop/search_request.h"
#include "desktop/version_box.h"
#include "desktop/window_designs.h"
#include "version.h"
#include "win/helpfrm.h"
#include "win/link.h"
#include "win/messages.h"
#include "win/wide.h"

namespace milden {
namespace {

std::unique_ptr<Tolvaform>& Instance() {
    static std::unique_ptr<Tolvaform> instance;
    return instance;
}

// The option buttons tolvaselect(0..2) as the lookup reads them.
class OptionButtons : public RangeOptions {
public:
    explicit OptionButtons(const Tolvaform& form) : form_(form) {}
    bool IsSelected(int index) const override {
        if (index < 0 || index >= static_cast<int>(kAllRanges.size())) return false;
        const std::string name = "tolvaselect(" + std::to_string(index) + ")";
        return SendMessageW(form_.Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

private:
    const Tolvaform& form_;
};

HMENU BuildMenu() {
    HMENU items = CreatePopupMenu();
    for (const MenuItemDesign& item : kHelpMenuItems) {
        if (IsSeparator(item)) AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
        else AppendMenuW(items, MF_STRING, item.name == "helpview" ? Tolvaform::kHelpviewId : Tolvaform::kVersionsId,
                         Wide(item.caption).c_str());
    }
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), Wide(kHelpMenu.caption).c_str());
    return bar;
}

std::u16string TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)), L'\0');
    GetWindowTextW(control, text.data(), static_cast<int>(text.size() + 1));
    return FromWide(text);
}

}  // namespace

Tolvaform& tolvaform() {
    std::unique_ptr<Tolvaform>& instance = Instance();
    if (!instance) instance = std::make_unique<Tolvaform>(InstalledToolkit());
    return *instance;
}

void DestroyTolvaform() {
    DestroyHelpfrm();
    Instance().reset();
}

Tolvaform::Tolvaform(const Toolkit& toolkit) : toolkit_(toolkit) {
    // A fixed single border: a title bar with its close box, no minimise or maximise button.
    window_ = CreateDesignedWindow(this, 0, Wide(kTolvaform.caption).c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                   nullptr, BuildMenu());
    controls_ = std::make_unique<DesignedControls>(kTolvaform, window_);
    const UINT dpi = GetDpiForWindow(window_);
    controls_->Place(dpi);
    FitClientArea(window_, controls_->ClientSize(dpi), dpi);
}

Tolvaform::~Tolvaform() {
    if (IsWindow(window_)) DestroyWindow(window_);
    Unload();
}

void Tolvaform::Load() {
    unloaded_ = false;
    session_.LoadFromCurrentDirectory();
    CheckRadioButton(window_, GetDlgCtrlID(Control("tolvaselect(0)")), GetDlgCtrlID(Control("tolvaselect(2)")),
                     GetDlgCtrlID(Control("tolvaselect(0)")));
    CentreOnScreen(window_);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    SetFocus(Control("phone_text090(0)"));
}

LRESULT Tolvaform::Handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(w);
        if (id == kHelpviewId) helpview_Click();
        else if (id == kVersionsId) versions_Click();
        else if (id == IDOK) PressFocusedButton(window);
        else if (const ControlDesign* control = controls_->DesignOf(id)) {
            if (control->name == "researchbtn" && HIWORD(w) == BN_CLICKED) researchbtn_Click();
            if (!control->link.empty() && HIWORD(w) == STN_CLICKED) Link_Click(control->link);
        }
        return 0;
    }
    case kSearchKeyMessage: researchbtn_Click(); return 0;
    case kBrowserQuitMessage: ie_OnQuit(); return 0;
    case WM_DPICHANGED: FollowDpiChange(window, *controls_, w, l); return 0;
    case WM_DESTROY: Unload(); break;
    }
    return DefWindowProcW(window, message, w, l);
}

void Tolvaform::researchbtn_Click() {
    const OptionButtons options(*this);
    RunSearchRequest(
        session_, options,
        [this](std::size_t i) { return TextOf(Control("phone_text090(" + std::to_string(i) + ")")); },
        *toolkit_.boxes);
}

void Tolvaform::helpview_Click() { helpfrm().ShowModal(); }

void Tolvaform::versions_Click() {
    toolkit_.boxes->ShowMessage(VersionBoxPrompt(MILDEN_VERSION), BoxStyle::NoIcon, kVersionBoxTitle);
}

void Tolvaform::Link_Click(std::u16string_view address) {
    OpenLink(ie_, *toolkit_.browsers, address, window_);
}

void Tolvaform::ie_OnQuit() { ie_.reset(); }

void Tolvaform::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    session_.Release();
}

}  // namespace milden

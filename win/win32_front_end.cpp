#include "win/win32_front_end.h"

#include "desktop/helpfrm.h"

namespace milden {

std::unique_ptr<TolvaformView> Win32FrontEnd::CreateTolvaformView(Tolvaform& form) {
    auto window = std::make_unique<TolvaformWindow>(form);
    tolvaform_ = window.get();
    return window;
}

std::unique_ptr<HelpfrmView> Win32FrontEnd::CreateHelpfrmView(Helpfrm& help) {
    auto window = std::make_unique<HelpfrmWindow>(help, tolvaform_ ? tolvaform_->hwnd() : nullptr);
    helpfrm_ = window.get();
    return window;
}

}  // namespace milden

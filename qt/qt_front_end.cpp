#include "qt/qt_front_end.h"

#include "desktop/helpfrm.h"

namespace milden {

std::unique_ptr<TolvaformView> QtFrontEnd::CreateTolvaformView(Tolvaform& form) {
    auto window = std::make_unique<TolvaformWindow>(form);
    tolvaform_ = window.get();
    return window;
}

std::unique_ptr<HelpfrmView> QtFrontEnd::CreateHelpfrmView(Helpfrm& help) {
    auto window = std::make_unique<HelpfrmWindow>(help, tolvaform_);
    helpfrm_ = window.get();
    return window;
}

}  // namespace milden

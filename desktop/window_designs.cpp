#include "desktop/window_designs.h"

#include <algorithm>

namespace milden {

bool TakesFocus(const ControlDesign& control) {
    const bool passive = control.kind == ControlKind::Label || control.kind == ControlKind::PictureBox;
    return !passive || !control.link.empty();
}

std::vector<const ControlDesign*> FocusOrder(const WindowDesign& window) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : window.controls) {
        if (TakesFocus(control)) order.push_back(&control);
    }
    std::ranges::sort(order, [](const ControlDesign* a, const ControlDesign* b) {
        const bool aLink = !a->link.empty(), bLink = !b->link.empty();
        return aLink != bLink ? bLink : a->tabIndex < b->tabIndex;
    });
    return order;
}

}  // namespace milden

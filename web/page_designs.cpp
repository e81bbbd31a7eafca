#include "web/page_designs.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/key_filter.h"
#include "desktop/twips.h"
#include "desktop/window_designs.h"

namespace milden {
namespace {

using emscripten::val;

std::string_view KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::OptionButton: return "option";
    case ControlKind::TextBox: return "text";
    case ControlKind::Label: return "label";
    case ControlKind::PushButton: return "button";
    case ControlKind::PictureBox: return "picture";
    }
    return "label";
}

val Text(std::u16string_view text) { return val(std::u16string(text)); }
val Ascii(std::string_view text) { return val(std::string(text)); }

// On the web what a control shows must be part of its accessible name, for those who steer the
// page by speech: a control whose caption its design's name lacks ("検　索", "キャリアを検索") is
// named by its caption and described by that name.
bool NameHoldsCaption(const ControlDesign& c) { return c.accessibleName.find(c.caption) != std::u16string_view::npos; }

// The page's order of a window's controls, which a screen reader reads them in: the order Tab
// visits them in the window (FocusOrder), with each label before the first control that Tab
// reaches after it (a later tab index, or a link: links come last).
std::vector<const ControlDesign*> PageOrder(const WindowDesign& window) {
    std::vector<const ControlDesign*> order = FocusOrder(window);
    for (const ControlDesign& c : window.controls) {
        if (TakesFocus(c)) continue;
        const auto after = std::find_if(order.begin(), order.end(), [&](const ControlDesign* other) {
            return !other->link.empty() || other->tabIndex > c.tabIndex;
        });
        order.insert(after, &c);
    }
    return order;
}

// {name, caption, clientWidth, clientHeight, controls}, the controls in the page's order.
val WindowValue(const WindowDesign& window) {
    val controls = val::array();
    for (const ControlDesign* c : PageOrder(window)) {
        const bool named = NameHoldsCaption(*c);
        val control = val::object();
        control.set("index", static_cast<int>(c - window.controls.data()));
        control.set("name", Ascii(c->name));
        control.set("kind", Ascii(KindName(c->kind)));
        control.set("caption", Text(c->caption));
        control.set("left", c->rect.left);
        control.set("top", c->rect.top);
        control.set("width", c->rect.width);
        control.set("height", c->rect.height);
        control.set("accessibleName", Text(named ? c->accessibleName : std::u16string_view()));
        control.set("description", Text(named ? std::u16string_view() : c->accessibleName));
        control.set("link", Text(c->link));
        controls.call<void>("push", control);
    }
    val value = val::object();
    value.set("name", Ascii(window.name));
    value.set("caption", Text(window.caption));
    value.set("clientWidth", window.clientWidth);
    value.set("clientHeight", window.clientHeight);
    value.set("controls", controls);
    return value;
}

}  // namespace

val Designs() {
    val menu = val::object();
    menu.set("name", Ascii(kHelpMenu.name));
    menu.set("caption", Text(kHelpMenu.caption));
    val items = val::array();
    for (const MenuItemDesign& item : kHelpMenuItems) {
        val entry = val::object();
        entry.set("name", Ascii(item.name));
        entry.set("caption", Text(item.caption));
        entry.set("separator", IsSeparator(item));
        items.call<void>("push", entry);
    }
    menu.set("items", items);
    val link = val::object();
    link.set("fontFamily", Text(kLinkFontFamily));
    link.set("fontPoints", kLinkFontPoints);
    link.set("color", "rgb(" + std::to_string(kLinkColour.red) + "," + std::to_string(kLinkColour.green) + "," +
                          std::to_string(kLinkColour.blue) + ")");
    val designs = val::object();
    designs.set("tolvaform", WindowValue(kTolvaform));
    designs.set("helpfrm", WindowValue(kHelpfrm));
    designs.set("menu", menu);
    designs.set("link", link);
    val keys = val::object();
    keys.set("return", static_cast<int>(kReturnCode));
    keys.set("paste", static_cast<int>(kPasteCode));
    designs.set("keys", keys);
    designs.set("twipsPerPixel", kTwipsPerInch / kStandardDpi);
    designs.set("bannerWidth", kBannerWidth);
    designs.set("bannerHeight", kBannerHeight);
    return designs;
}

}  // namespace milden

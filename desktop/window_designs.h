// The designs of the two windows, tolvaform and helpfrm: captions, twips rectangles, tab order,
// what a screen reader calls each control, and which controls are links. The Qt window and the
// Win32 window build their controls from these tables, so the two cannot drift apart.
#pragma once

#include <array>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "desktop/twips.h"
#include "desktop/web_addresses.h"

namespace milden {

enum class ControlKind { OptionButton, TextBox, Label, PushButton, PictureBox };

struct ControlDesign {
    std::string_view name;  // with its index in a control array: "tolvaselect(0)"
    ControlKind kind;
    std::u16string_view caption;
    TwipsRect rect;
    int tabIndex;                        // the design's tab order position, 0 first
    std::u16string_view accessibleName;  // empty for a plain label, which takes neither focus nor clicks
    std::u16string_view link;            // the address a click opens; empty for none
};

// The frame of a window; neither can be resized, and neither has a minimise or maximise button.
enum class Border {
    FixedSingle,      // a title bar with the window menu and the close box
    FixedToolWindow,  // a thin title bar with the close box only; no taskbar button
};

struct WindowDesign {
    std::string_view name;
    std::u16string_view caption;
    Border border;
    int clientWidth, clientHeight;  // twips
    // In design order: where two controls overlap, the later one lies on top.
    std::span<const ControlDesign> controls;
};

// The banner picture of Picture1, in pixels at 96 dpi.
inline constexpr int kBannerWidth = 234;
inline constexpr int kBannerHeight = 60;

// The help window's address label is drawn as a link: this font, underlined, in pure blue.
inline constexpr std::u16string_view kLinkFontFamily = u"ＭＳ Ｐゴシック";
inline constexpr int kLinkFontPoints = 9;
struct Rgb {
    int red, green, blue;
};
inline constexpr Rgb kLinkColour{0, 0, 255};

// A focused picture link (the banner) shows its focus mark this many pixels inside the picture,
// where the mark shows against the picture; a text link's mark lies around its text.
inline constexpr int kPictureFocusInset = 2;

inline constexpr std::array<ControlDesign, 11> kTolvaformControls{{
    {"tolvaselect(0)", ControlKind::OptionButton, u"090-", {480, 120, 855, 495}, 4, u"090- で始まる携帯電話の番号", {}},
    {"tolvaselect(1)", ControlKind::OptionButton, u"080-", {480, 600, 855, 495}, 5, u"080- で始まる携帯電話の番号", {}},
    {"tolvaselect(2)", ControlKind::OptionButton, u"070-", {480, 1080, 975, 495}, 6, u"070- で始まるPHSの番号", {}},
    {"phone_text090(0)", ControlKind::TextBox, u"", {1200, 240, 975, 270}, 1, u"090- に続く４桁の番号", {}},
    {"phone_text090(1)", ControlKind::TextBox, u"", {1200, 720, 975, 270}, 3, u"080- に続く４桁の番号", {}},
    {"phone_text090(2)", ControlKind::TextBox, u"", {1200, 1200, 975, 270}, 7, u"070- に続く４桁の番号", {}},
    {"Label1(0)", ControlKind::Label, u"-****", {2280, 240, 615, 375}, 8, {}, {}},
    {"Label1(1)", ControlKind::Label, u"-****", {2280, 720, 615, 375}, 9, {}, {}},
    {"Label1(2)", ControlKind::Label, u"-****", {2280, 1200, 615, 375}, 10, {}, {}},
    {"researchbtn", ControlKind::PushButton, u"検　索", {960, 1680, 1575, 375}, 2, u"キャリアを検索", {}},
    {"Picture1", ControlKind::PictureBox, u"", {0, 2280, 3540, 940}, 0, u"バナー：「ノルベ」のホームページを開く",
     kPublicationAddress},
}};

inline constexpr WindowDesign kTolvaform{"tolvaform", u"”zentrik”携帯調査", Border::FixedSingle, 3525, 3210, kTolvaformControls};

inline constexpr std::array<ControlDesign, 8> kHelpfrmControls{{
    {"Label1(0)", ControlKind::Label, u"携帯かＰＨＳかを選択し、090か080（ＰＨＳは070）に続く４桁の番号を", {480, 240, 5175, 255}, 0, {}, {}},
    {"Label1(1)", ControlKind::Label, u"入力して検索ボタンを押して下さい。又は４桁の番号を入力した後で", {480, 480, 5175, 255}, 1, {}, {}},
    {"Label1(2)", ControlKind::Label, u"リターンキーを入力して下さい。検索結果が表示されます。", {480, 720, 5295, 255}, 2, {}, {}},
    {"Label1(3)", ControlKind::Label, u"バナーをクリックしますと､「ノルベ」のホームページを", {480, 1080, 5655, 375}, 3, {}, {}},
    {"Label1(4)", ControlKind::Label, u"自動的に表示します。", {480, 1320, 5175, 255}, 4, {}, {}},
    {"Label1(5)", ControlKind::Label, kMakerHomePage, {3000, 1680, 2055, 255}, 6, u"Velk探偵事務所のホームページを開く",
     kMakerHomePage},
    {"Label1(6)", ControlKind::Label, u"Velk探偵事務所 HOME PAGE :", {480, 1680, 2415, 255}, 7, {}, {}},
    {"Command1", ControlKind::PushButton, u"閉じる", {2520, 2160, 1215, 375}, 5, u"ヘルプを閉じる", {}},
}};

inline constexpr WindowDesign kHelpfrm{"helpfrm", u"ﾍﾙﾌﾟ", Border::FixedToolWindow, 6285, 2805, kHelpfrmControls};

// The main window's one menu and its items; "&" marks the access key, and the caption "-" draws
// a separator.
struct MenuItemDesign {
    std::string_view name;
    std::u16string_view caption;
};
inline constexpr MenuItemDesign kHelpMenu{"help", u"ﾍﾙﾌﾟ(&H)"};
inline constexpr std::array<MenuItemDesign, 3> kHelpMenuItems{{
    {"helpview", u"ﾍﾙﾌﾟ(&H)"},
    {"dummy", u"-"},
    {"versions", u"ﾊﾞｰｼﾞｮﾝ情報(&A)"},
}};
constexpr bool IsSeparator(const MenuItemDesign& item) { return item.caption == u"-"; }

// Where the control called name stands in window.controls: the number by which the windows' views
// and their behaviour (desktop/front_end.h) name it. Throws std::out_of_range for a name the
// design lacks, which in a constant expression stops the build.
constexpr int ControlIndex(const WindowDesign& window, std::string_view name) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (window.controls[i].name == name) return static_cast<int>(i);
    }
    throw std::out_of_range("no such control");
}

// The same for element index (0 to 9) of the control array called array: "phone_text090", 1.
constexpr int ControlIndex(const WindowDesign& window, std::string_view array, int index) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const std::string_view name = window.controls[i].name;
        if (name.size() == array.size() + 3 && name.starts_with(array) && name[array.size()] == '(' &&
            name[array.size() + 1] == '0' + index && name.back() == ')') {
            return static_cast<int>(i);
        }
    }
    throw std::out_of_range("no such control");
}

// The design of control (a place in window.controls); nullptr for a number that is none.
constexpr const ControlDesign* ControlAt(const WindowDesign& window, int control) {
    return control >= 0 && static_cast<std::size_t>(control) < window.controls.size()
               ? &window.controls[static_cast<std::size_t>(control)]
               : nullptr;
}

// Where the menu item called name stands in kHelpMenuItems.
constexpr int MenuItemIndex(std::string_view name) {
    for (std::size_t i = 0; i < kHelpMenuItems.size(); ++i) {
        if (kHelpMenuItems[i].name == name) return static_cast<int>(i);
    }
    throw std::out_of_range("no such menu item");
}

// Whether the keyboard can reach the control: everything but the labels and pictures that are
// not links.
bool TakesFocus(const ControlDesign& control);

// The controls that take the focus, in the order Tab visits them: the design's tab order with the
// links moved after the other controls, so that the keyboard reaches the banner last.
std::vector<const ControlDesign*> FocusOrder(const WindowDesign& window);

}  // namespace milden

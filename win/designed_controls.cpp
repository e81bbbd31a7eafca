#include "win/designed_controls.h"

#include <string>
#include <utility>

#include "win/accessible_name.h"
#include "win/digit_box.h"
#include "win/link_control.h"
#include "win/resource_ids.h"
#include "win/wide.h"

namespace milden {
namespace {

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass ClassOf(const ControlDesign& design) {
    if (!design.link.empty()) return {LinkClassName(), WS_TABSTOP, 0};
    switch (design.kind) {
    case ControlKind::OptionButton: return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case ControlKind::TextBox: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Label:
    case ControlKind::PictureBox: break;
    }
    return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
}

RECT PixelRect(const TwipsRect& r, UINT dpi) {
    const int d = static_cast<int>(dpi);
    const int left = TwipsToPixels(r.left, d), top = TwipsToPixels(r.top, d);
    return {left, top, left + TwipsToPixels(r.width, d), top + TwipsToPixels(r.height, d)};
}

// Whether every caption of the design fits its control in font: labels and push buttons their
// text, option buttons their text beside the round button.
bool CaptionsFit(const WindowDesign& design, HFONT font, UINT dpi) {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    bool fit = true;
    for (const ControlDesign& control : design.controls) {
        if (control.caption.empty() || !control.link.empty()) continue;
        SIZE text{};
        const std::wstring caption = Wide(control.caption);
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        if (control.kind == ControlKind::OptionButton) text.cx += GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + MulDiv(4, dpi, 96);
        fit = fit && text.cx <= TwipsToPixels(control.rect.width, static_cast<int>(dpi));
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return fit;
}

// The message font of Windows at dpi, made smaller where a caption of the design would be cut
// off in it (a Japanese message font is wider than the one the designs were drawn with).
HFONT MessageFont(const WindowDesign& design, UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    LOGFONTW& font = metrics.lfMessageFont;
    for (;;) {
        HFONT candidate = CreateFontIndirectW(&font);
        const bool smallest = font.lfHeight >= -1 && font.lfHeight <= 1;
        if (smallest || CaptionsFit(design, candidate, dpi)) return candidate;
        DeleteObject(candidate);
        font.lfHeight += font.lfHeight < 0 ? 1 : -1;  // one pixel smaller, in either sign's unit
    }
}

HFONT LinkFont(UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(kLinkFontPoints, static_cast<int>(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = TRUE;
    font.lfCharSet = SHIFTJIS_CHARSET;
    const std::wstring family = Wide(kLinkFontFamily);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

HBITMAP LoadBitmapResource(int id) {
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

DesignedControls::DesignedControls(const WindowDesign& design, HWND parent) : design_(design) {
    controls_.resize(design.controls.size());
    // Tab follows the order of creation: the controls that take the focus first, in focus order,
    // then the others. Option buttons that follow each other form one group.
    std::vector<const ControlDesign*> order = FocusOrder(design);
    for (const ControlDesign& control : design.controls) {
        if (!TakesFocus(control)) order.push_back(&control);
    }
    ControlKind previous = ControlKind::Label;
    for (const ControlDesign* control : order) {
        const std::size_t index = static_cast<std::size_t>(control - design.controls.data());
        const ControlClass kind = ClassOf(*control);
        const bool grouped = control->kind == ControlKind::OptionButton && previous == ControlKind::OptionButton;
        previous = control->kind;
        HWND window = CreateWindowExW(kind.extendedStyle, kind.name, Wide(control->caption).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style | (grouped ? 0 : WS_GROUP),
                                      0, 0, 0, 0, parent, reinterpret_cast<HMENU>(kFirstId + index),
                                      GetModuleHandleW(nullptr), nullptr);
        controls_[index] = window;
        if (control->kind == ControlKind::TextBox) FilterDigitKeys(window);
        if (!control->accessibleName.empty()) SetAccessibleName(window, control->accessibleName, !control->link.empty());
    }
}

DesignedControls::~DesignedControls() {
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(linkFont_),
                           static_cast<HGDIOBJ>(banner_), static_cast<HGDIOBJ>(banner2x_)}) {
        if (object) DeleteObject(object);
    }
}

HWND DesignedControls::at(int control) const {
    return control >= 0 && static_cast<std::size_t>(control) < controls_.size() ? controls_[static_cast<std::size_t>(control)]
                                                                               : nullptr;
}

int DesignedControls::IndexOf(HWND window) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (window && controls_[i] == window) return static_cast<int>(i);
    }
    return -1;
}

int DesignedControls::IndexOfId(int id) const { return at(id - kFirstId) ? id - kFirstId : -1; }

SIZE DesignedControls::ClientSize(UINT dpi) const {
    const int d = static_cast<int>(dpi);
    return {TwipsToPixels(design_.clientWidth, d), TwipsToPixels(design_.clientHeight, d)};
}

void DesignedControls::Place(UINT dpi) {
    const HFONT oldFont = std::exchange(font_, MessageFont(design_, dpi));
    const HFONT oldLinkFont = std::exchange(linkFont_, LinkFont(dpi));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlDesign& control = design_.controls[i];
        const RECT r = PixelRect(control.rect, dpi);
        MoveWindow(controls_[i], r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        const bool textLink = !control.link.empty() && control.kind == ControlKind::Label;
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(textLink ? linkFont_ : font_), FALSE);
        if (control.kind == ControlKind::PictureBox) {
            // The picture drawn at twice the size serves every resolution above 96 dpi.
            if (!banner_) banner_ = LoadBitmapResource(MILDEN_BANNER);
            if (!banner2x_) banner2x_ = LoadBitmapResource(MILDEN_BANNER_2X);
            const int d = static_cast<int>(dpi);
            SetLinkPicture(controls_[i], dpi > kStandardDpi ? banner2x_ : banner_,
                           {MulDiv(kBannerWidth, d, kStandardDpi), MulDiv(kBannerHeight, d, kStandardDpi)});
        }
        // Cut away what later controls of the design cover, so that they stay on top.
        HRGN visible = CreateRectRgn(0, 0, r.right - r.left, r.bottom - r.top);
        bool covered = false;
        for (std::size_t j = i + 1; j < controls_.size(); ++j) {
            RECT above = PixelRect(design_.controls[j].rect, dpi), overlap;
            if (!IntersectRect(&overlap, &r, &above)) continue;
            OffsetRect(&overlap, -r.left, -r.top);
            HRGN cut = CreateRectRgnIndirect(&overlap);
            CombineRgn(visible, visible, cut, RGN_DIFF);
            DeleteObject(cut);
            covered = true;
        }
        if (!covered) {
            DeleteObject(visible);
            visible = nullptr;
        }
        SetWindowRgn(controls_[i], visible, FALSE);  // the window owns the region from here
    }
    if (oldFont) DeleteObject(oldFont);
    if (oldLinkFont) DeleteObject(oldLinkFont);
}

void PressFocusedButton(HWND window) {
    HWND focus = GetFocus();
    if (!focus || GetParent(focus) != window) return;
    wchar_t className[16] = {};
    GetClassNameW(focus, className, 16);
    const LONG_PTR type = GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiW(className, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
        SendMessageW(focus, BM_CLICK, 0, 0);
    }
}

}  // namespace milden

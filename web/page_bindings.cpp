// The page's whole contact with the core: what page.js may call, exported with embind. page.js only
// reads and changes the page (the view: box texts, the selected range, the focus, the dialogs);
// every decision (what a key does, what a search answers, what the boxes say, how the controls
// are named and ordered) is made here by the same code the windows run.
#include <emscripten/bind.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "check/check_data.h"
#include "check/source_file.h"
#include "desktop/key_filter.h"
#include "desktop/version_box.h"
#include "desktop/window_designs.h"
#include "engine/lookup_session.h"
#include "engine/whole_number.h"
#include "lookup/cp932.h"
#include "lookup/data_file_web.h"
#include "version.h"

namespace milden {
namespace {

using emscripten::val;

// ---- The designs: the captions, names, rectangles and order the page builds its controls from ----

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

// ---- Message boxes: shown by the page as a dialog once the call that showed them returns ----

// {title, icon: "information" | "warning" | "none", lines}: the box's title (the application's
// when it gave none) and its prompt cut at its carriage returns.
val BoxValue(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) {
    val lines = val::array();
    for (std::size_t start = 0;;) {
        const std::size_t end = prompt.find(u'\r', start);
        lines.call<void>("push", Text(prompt.substr(start, end - start)));
        if (end == std::u16string_view::npos) break;
        start = end + 1;
    }
    val box = val::object();
    box.set("title", Text(title.value_or(kApplicationTitle)));
    box.set("icon", style == BoxStyle::Information ? "information" : style == BoxStyle::Warning ? "warning" : "none");
    box.set("lines", lines);
    return box;
}

// The page's message-box service: keeps the box the lookup showed, for page.js to show.
class PageBoxes : public MessageBoxService {
public:
    void ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) override {
        shown = BoxValue(prompt, style, title);
    }
    val shown = val::null();
};

// The range option buttons as page.js read them: the index of the checked one, -1 for none.
class PageRangeOptions : public RangeOptions {
public:
    explicit PageRangeOptions(int selected) : selected_(selected) {}
    bool IsSelected(int index) const override { return index == selected_; }

private:
    int selected_;
};

// ---- The lookup data: the page's fetch stands in for the file system (lookup/data_file_web.h) ----

std::optional<LookupSession>& Session() {
    static std::optional<LookupSession> session;
    return session;
}

const LookupSession& LoadedSession() {
    if (!Session()) Session().emplace();
    return *Session();
}

// {severity, code, line, column, message, notes: [{line, column, message}]}; line 0: the file as
// a whole. Columns count characters, as editors show them.
val DiagnosticValue(const check::Diagnostic& d, const check::SourceFile& source) {
    const auto place = [&](val& value, const ItemPosition& at) {
        value.set("line", at.line);
        value.set("column", at.line == 0 ? 0 : source.Column(at, check::ColumnUnit::Char));
    };
    val value = val::object();
    value.set("severity", Ascii(check::NameOf(check::SeverityOf(d.code))));
    value.set("code", Ascii(check::NameOf(d.code)));
    place(value, d.at);
    value.set("message", d.message);
    val notes = val::array();
    for (const check::Note& note : d.notes) {
        val entry = val::object();
        place(entry, note.at);
        entry.set("message", note.text);
        notes.call<void>("push", entry);
    }
    value.set("notes", notes);
    return value;
}

// {diagnostics, errors, warnings, unlisted}: what the checker finds in bytes (at most the read
// limit and one byte more), the kept ones in the order of the file.
val CheckReport(const std::string& bytes) {
    check::Diagnostics diagnostics;
    check::CheckDataBytes(bytes, diagnostics);
    const check::SourceFile source(std::string_view(bytes).substr(0, kReadLimitBytes));
    val list = val::array();
    std::size_t listed = 0;
    for (const check::Diagnostic& d : diagnostics.Kept()) {
        list.call<void>("push", DiagnosticValue(d, source));
        ++listed;
    }
    std::size_t given = 0;
    for (const check::CodeInfo& info : check::kCodes) given += diagnostics.CountOf(info.code);
    val report = val::object();
    report.set("diagnostics", list);
    report.set("errors", diagnostics.CountOf(check::Severity::Error));
    report.set("warnings", diagnostics.CountOf(check::Severity::Warning));
    report.set("unlisted", given - listed);
    return report;
}

// Makes bytes the data file and loads it afresh, as the windows load sorvane.dat at start-up;
// with check, returns what the checker finds in it, else null. The page has no current directory:
// the file goes by its bare name (asking for the current directory would bring in the C++ file
// system library, 7 KB of the page's weight).
val OpenDataFile(std::string bytes, bool check) {
    val report = check ? CheckReport(bytes) : val::null();
    Session().reset();  // the tables of an earlier file must not mix with this one's
    const std::string path(kDataFileName);
    ProvidePageFile(path, std::move(bytes));
    Session().emplace().LoadFile(path);
    return report;
}

// ---- The main window's behaviour ----

// The one call of the whole-number reader milden-lookup uses: the range and the four digits after
// it of a whole number ("090-1234-5678", "+81 90 1234 5678"), or nothing.
std::optional<WholeNumber> ReadWholeNumberIn(std::u16string_view text) {
    WholeNumberReading read = ReadWholeNumber(text);
    auto* number = std::get_if<WholeNumber>(&read);
    return number ? std::optional(std::move(*number)) : std::nullopt;
}

// A digit box's text read as a whole number: {range, digits} (the index of the range's option
// button and the four digits after the range), or null.
val WholeNumberIn(const std::u16string& text) {
    const std::optional<WholeNumber> number = ReadWholeNumberIn(text);
    if (!number) return val::null();
    val value = val::object();
    value.set("range", static_cast<int>(OrdinalOf(number->range)));
    value.set("digits", number->text);
    return value;
}

// Whether text could still become a whole number as more digits are typed.
bool CouldBecomeWholeNumber(std::u16string_view text) {
    std::u16string padded(text);
    for (std::size_t digits = 0; digits <= 2 * kTypedDigits; ++digits, padded += u'0')
        if (ReadWholeNumberIn(padded)) return true;
    return false;
}

// ASCII digits and nothing else.
bool IsDigitsAlone(std::u16string_view text) {
    for (const char16_t c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// What a key typing code does in a digit box that holds text: "search", "discard" or "pass". The
// window's key filter decides, except that a box being given a whole number is not held to four
// characters: a key it would discard still goes in when the text with it is no mere digits (four
// digits stay four digits) and can still become a whole number.
std::string FilterKey(int code, const std::u16string& text) {
    const auto key = static_cast<char16_t>(code);
    switch (FilterDigitKey(key, text.size())) {
    case DigitKeyAction::Search: return "search";
    case DigitKeyAction::Pass: return "pass";
    case DigitKeyAction::Discard: break;
    }
    const std::u16string typed = text + key;
    return key != kPasteCode && !IsDigitsAlone(typed) && CouldBecomeWholeNumber(typed) ? "pass" : "discard";
}

// The search request of 検　索 and Return: the text of the digit box of the selected range
// (selected: the index of the checked option button, -1 for none), whichever box has the focus,
// trimmed and looked up; texts are the three boxes' texts. The box the lookup showed, or null.
val Search(int selected, const val& texts) {
    PageBoxes boxes;
    if (selected >= 0 && selected < static_cast<int>(kAllRanges.size()))
        LoadedSession().Search(texts[selected].as<std::u16string>(), PageRangeOptions(selected), boxes);
    return boxes.shown;
}

val VersionBox() { return BoxValue(VersionBoxPrompt(MILDEN_VERSION), BoxStyle::NoIcon, kVersionBoxTitle); }

// Whether this browser decodes code page 932: without TextDecoder('shift_jis') every Japanese
// character of the data file would become U+FFFD, and the page must say so instead.
bool DecoderReady() { return DecodeCp932("\x83\x7E") == u"ミ"; }

std::u16string DecodeBytes(const std::string& bytes) { return DecodeCp932(bytes); }

double ReadLimitBytes() { return static_cast<double>(kReadLimitBytes); }

}  // namespace
}  // namespace milden

EMSCRIPTEN_BINDINGS(milden_page) {
    using namespace milden;
    emscripten::function("designs", &Designs);
    emscripten::function("decoderReady", &DecoderReady);
    emscripten::function("decodeCp932", &DecodeBytes);
    emscripten::function("readLimitBytes", &ReadLimitBytes);
    emscripten::function("openDataFile", &OpenDataFile);
    emscripten::function("filterKey", &FilterKey);
    emscripten::function("search", &Search);
    emscripten::function("versionBox", &VersionBox);
    emscripten::function("wholeNumber", &WholeNumberIn);
}

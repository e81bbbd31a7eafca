// The page's whole contact with the core: what page.js may call, exported with embind. The main
// window's behaviour is desktop/'s Tolvaform, acting on the page through page.js's view object
// (web/page_front_end.h); page.js hands it the page's events. What the page does beyond the
// windows (whole numbers, a user's own data file and its diagnostics) is decided here too.
#include <emscripten/bind.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "desktop/helpfrm.h"
#include "desktop/key_filter.h"
#include "desktop/tolvaform.h"
#include "engine/whole_number.h"
#include "lookup/cp932.h"
#include "lookup/data_file_web.h"
#include "lookup/format.h"
#include "web/page_check.h"
#include "web/page_designs.h"
#include "web/page_front_end.h"

namespace milden {
namespace {

using emscripten::val;

// ---- The main window, on the data file the page provided ----

struct Page {
    val view;
    PageFrontEnd frontEnd;
    std::unique_ptr<Tolvaform> form;
};
std::optional<Page> thePage;

Tolvaform& Form() { return *thePage->form; }

// Starts the main window on bytes as its data file, as a window starts on sorvane.dat: a new
// window, so that nothing of an earlier file stays. view is page.js's view object.
void Start(val view, std::string bytes) {
    if (!thePage) thePage.emplace(Page{view, PageFrontEnd(view), nullptr});
    thePage->form.reset();  // the tables of an earlier file must not mix with this one's
    ProvidePageFile(std::string(kDataFileName), std::move(bytes));
    thePage->form = std::make_unique<Tolvaform>(thePage->frontEnd);
    Form().Load();
}

// Starts the window again on bytes (a file the page's user opened), and returns what the checker
// finds in it.
val OpenDataFile(std::string bytes) {
    val report = CheckReport(bytes);
    Start(thePage->view, std::move(bytes));
    return report;
}

// ---- Whole numbers: the page takes them in any box ----

// The range and the four digits after it of a whole number ("090-1234-5678"), or nothing.
std::optional<WholeNumber> ReadWholeNumberIn(std::u16string_view text) {
    WholeNumberReading read = ReadWholeNumber(text);
    auto* number = std::get_if<WholeNumber>(&read);
    return number ? std::optional(std::move(*number)) : std::nullopt;
}

// A digit box's text read as a whole number: {option, box, digits} (the controls of its range's
// option button and digit box, and the four digits after the range), or null.
val WholeNumberIn(const std::u16string& text) {
    const std::optional<WholeNumber> number = ReadWholeNumberIn(text);
    if (!number) return val::null();
    const int range = static_cast<int>(OrdinalOf(number->range));
    val value = val::object();
    value.set("option", Tolvaform::tolvaselect(range));
    value.set("box", Tolvaform::phone_text090(range));
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

bool IsDigitsAlone(std::u16string_view text) {
    for (const char16_t c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// A character key typed into a digit box: false when it is cancelled. The window's key filter
// decides, except that a box being given a whole number is not held to four characters: a key the
// window would cancel still goes in when the text with it is no mere digits (four digits stay four
// digits) and can still become a whole number.
bool KeyPress(int control, int code) {
    const auto key = static_cast<char16_t>(code);
    if (Form().KeyPress(control, key)) return true;
    const std::u16string typed = thePage->view.call<std::u16string>("text", control) + key;
    return key != kPasteCode && !IsDigitsAlone(typed) && CouldBecomeWholeNumber(typed);
}

// ---- The browser ----

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
    emscripten::function("start", &Start);
    emscripten::function("openDataFile", &OpenDataFile);
    emscripten::function("keyPress", &KeyPress);
    emscripten::function("click", +[](int control) { Form().Click(control); });
    emscripten::function("menuClick", +[](int item) { Form().MenuClick(item); });
    emscripten::function("activate", +[] { Form().Activate(); });
    emscripten::function("deactivate", +[](int focused) { Form().Deactivate(focused); });
    emscripten::function("helpClick", +[](int control) { Form().helpfrm().Click(control); });
    emscripten::function("wholeNumber", &WholeNumberIn);
}

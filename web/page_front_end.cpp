#include "web/page_front_end.h"

#include <string>

#include "lookup/format.h"

namespace milden {
namespace {

using emscripten::val;

val Text(std::u16string_view text) { return val(std::u16string(text)); }

class PageTolvaformView final : public TolvaformView {
public:
    explicit PageTolvaformView(val view) : view_(std::move(view)) {}
    std::u16string Text(int control) const override { return view_.call<std::u16string>("text", control); }
    bool IsSelected(int control) const override { return view_.call<bool>("isSelected", control); }
    void Select(int control) override { view_.call<void>("select", control); }
    void Show() override { view_.call<void>("show"); }
    void SetFocus(int control) override { view_.call<void>("setFocus", control); }

private:
    val view_;
};

// The help window is a modal <dialog>: showing it returns at once.
class PageHelpfrmView final : public HelpfrmView {
public:
    explicit PageHelpfrmView(val view) : view_(std::move(view)) {}
    void ShowModal() override { view_.call<void>("showHelp"); }
    void Close() override { view_.call<void>("closeHelp"); }
    void SetFocus(int control) override { view_.call<void>("setHelpFocus", control); }

private:
    val view_;
};

// A web link's browser on the page: each address opens in a new tab with no way back to the page
// (noopener), so the page never learns when that tab closes and the window keeps its ie; every
// click opens a tab, as a link does.
class PageBrowser final : public BrowserObject {
public:
    explicit PageBrowser(val view) : view_(std::move(view)) {}
    bool Navigate(std::u16string_view address) override {
        view_.call<void>("openLink", Text(address));
        return true;
    }
    // A tab is shown as it opens, and a page cannot hide one.
    bool SetVisible(bool visible) override { return visible; }

private:
    val view_;
};

// {title, icon: "information" | "warning" | "none", lines}: a message box as page.js shows it, the
// prompt cut into lines at its carriage returns, the title the application's when none is given.
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

}  // namespace

std::unique_ptr<TolvaformView> PageFrontEnd::CreateTolvaformView(Tolvaform&) {
    return std::make_unique<PageTolvaformView>(view_);
}

std::unique_ptr<HelpfrmView> PageFrontEnd::CreateHelpfrmView(Helpfrm&) {
    return std::make_unique<PageHelpfrmView>(view_);
}

void PageFrontEnd::ShowMessage(std::u16string_view prompt, BoxStyle style, std::optional<std::u16string_view> title) {
    view_.call<void>("showBox", BoxValue(prompt, style, title));
}

std::unique_ptr<BrowserObject> PageFrontEnd::Create(BrowserEvents&) { return std::make_unique<PageBrowser>(view_); }

}  // namespace milden

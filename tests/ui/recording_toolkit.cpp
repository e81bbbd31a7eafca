#include "recording_toolkit.h"

namespace milden::testing {

void RecordingBoxes::ShowMessage(std::u16string_view prompt, BoxStyle style,
                                 std::optional<std::u16string_view> title) {
    const auto q = [](std::u16string_view s) {
        return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
    };
    boxes.push_back({q(prompt), style, title.has_value(), title ? q(*title) : QString()});
}

bool RecordingBrowser::Navigate(const QString& address) {
    if (failNavigate) return false;
    navigations << address;
    return true;
}

bool RecordingBrowser::SetVisible(bool v) {
    if (failSetVisible) return false;
    visible = v;
    return true;
}

std::unique_ptr<BrowserObject> RecordingBrowserFactory::Create() {
    ++attempts;
    if (failCreate) return nullptr;
    auto browser = std::make_unique<RecordingBrowser>();
    browser->failNavigate = failNavigate;
    created.emplace_back(browser.get());
    return browser;
}

}  // namespace milden::testing

// The Win32 windows in this process, against recording message boxes and a fake browser
// automation object: start-up, the key filter, the search request, the help window's modality,
// the links with their browser references, the version box, DPI scaling and accessible names.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "desktop/version_box.h"
#include "lookup/cp932.h"
#include "desktop/window_designs.h"
#include "tests/support/recording_services.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_sample_data.h"
#include "tests/win/fake_web_browser.h"
#include "version.h"
#include "win/helpfrm.h"
#include "win/internet_explorer.h"
#include "win/message_boxes.h"
#include "win/tolvaform.h"
#include "win/toolkit.h"
#include "win/wide.h"

namespace milden {
namespace {

using test_support::RecordingBoxes;

// Every message waiting for this thread, handled as the program's loop would.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::u16string TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)), L'\0');
    GetWindowTextW(control, text.data(), static_cast<int>(text.size() + 1));
    return FromWide(text);
}

// The browsers the windows create: fakes, each with its own log; creation can be made to fail.
struct FakeBrowsers {
    std::vector<std::unique_ptr<FakeWebBrowserLog>> logs;
    std::vector<IWebBrowser2*> created;  // valid while the log says not released
    bool failCreate = false;
    bool failNavigate = false;
    std::vector<std::u16string> openedInDefaultBrowser;
    InternetExplorerFactory factory{
        [this](IWebBrowser2** browser) {
            if (failCreate) return REGDB_E_CLASSNOTREG;
            logs.push_back(std::make_unique<FakeWebBrowserLog>());
            logs.back()->failNavigate = failNavigate;
            *browser = CreateFakeWebBrowser(logs.back().get());
            created.push_back(*browser);
            return S_OK;
        },
        [this](std::u16string_view address) { openedInDefaultBrowser.emplace_back(address); }};
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        dir_.Write("sorvane.dat", EncodeCp932(test_support::kWindowSampleData));
        std::filesystem::current_path(dir_.path());
        InstallToolkit({&boxes, &browsers.factory});
    }
    void TearDown() override {
        DestroyTolvaform();
        Pump();
        InstallToolkit({});
        std::filesystem::current_path(previous_);
    }

    Tolvaform& LoadedForm() {
        Tolvaform& form = tolvaform();
        form.Load();
        return form;
    }
    HWND Box(int i) { return tolvaform().Control("phone_text090(" + std::to_string(i) + ")"); }
    void Click(HWND control) {
        SendMessageW(control, BM_CLICK, 0, 0);
        Pump();
    }
    void ClickLink(HWND link) {
        SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        Pump();
    }

    RecordingBoxes boxes;
    FakeBrowsers browsers;

private:
    test_support::TempDir dir_;
    std::filesystem::path previous_;
};

TEST_F(WindowTest, StartsWith090SelectedEmptyBoxesAndTheCaretInTheFirst) {
    Tolvaform& form = LoadedForm();
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(TextOf(form.hwnd()), kTolvaform.caption);
    for (int i = 0; i < 3; ++i) {
        const bool selected = SendMessageW(form.Control("tolvaselect(" + std::to_string(i) + ")"), BM_GETCHECK, 0, 0);
        EXPECT_EQ(selected, i == 0) << i;
        EXPECT_EQ(TextOf(Box(i)), u"") << i;
    }
    EXPECT_EQ(GetFocus(), Box(0));
    EXPECT_EQ(form.ie(), nullptr);
    EXPECT_TRUE(form.tables().OperatorList090Loaded);
    EXPECT_TRUE(boxes.shown.empty());
    // A fixed border without minimise and maximise buttons, and the menu of the design.
    const LONG_PTR style = GetWindowLongPtrW(form.hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    HMENU help = GetSubMenu(GetMenu(form.hwnd()), 0);
    wchar_t caption[64];
    GetMenuStringW(GetMenu(form.hwnd()), 0, caption, 64, MF_BYPOSITION);
    EXPECT_EQ(FromWide(caption), kHelpMenu.caption);
    ASSERT_EQ(GetMenuItemCount(help), 3);
    EXPECT_EQ(GetMenuState(help, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
}

// A character typed into the "090-" box holding before: the text after it, and whether a search ran.
struct KeyCase {
    const char* name;
    std::u16string before;
    wchar_t code;
    std::u16string clipboard;
    std::u16string after;
    bool searched;
};

void SetClipboardText(const std::u16string& text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy_n(Wide(text).c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

TEST_F(WindowTest, KeyFilter) {
    const KeyCase cases[] = {
        {"fourth character goes in", u"123", L'4', u"", u"1234", false},
        {"fifth character is discarded", u"1234", L'5', u"", u"1234", false},
        {"a letter at four is discarded too", u"1234", L'a', u"", u"1234", false},
        {"the filter ignores digits: a letter at three goes in", u"123", L'x', u"", u"123x", false},
        {"Backspace at four deletes", u"1234", L'\b', u"", u"123", false},
        {"Ctrl+V at four is discarded", u"1234", 0x16, u"99", u"1234", false},
        {"Ctrl+V at three pastes all of it", u"123", 0x16, u"4567", u"1234567", false},
        {"Return at four searches and keeps the text", u"1234", L'\r', u"", u"1234", true},
    };
    HWND box = Box(0);
    LoadedForm();
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        SetWindowTextW(box, Wide(c.before).c_str());
        SendMessageW(box, EM_SETSEL, c.before.size(), c.before.size());
        if (!c.clipboard.empty()) SetClipboardText(c.clipboard);
        SendMessageW(box, WM_CHAR, c.code, 1);
        EXPECT_EQ(TextOf(box), c.after);
        EXPECT_EQ(boxes.shown.size(), c.searched ? 1u : 0u);
    }
}

TEST_F(WindowTest, PastedTextIsNotLimitedAndReachesTheLookup) {
    LoadedForm();
    SetWindowTextW(Box(0), L"1010");
    SendMessageW(Box(0), EM_SETSEL, 4, 4);
    SetClipboardText(u"5");
    SendMessageW(Box(0), WM_PASTE, 0, 0);  // what the box's menu does
    EXPECT_EQ(TextOf(Box(0)), u"10105");
    SendMessageW(Box(0), WM_CHAR, L'\r', 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, u"090-10105-****の携帯電話のキャリアは\r丙テレコムか甲通信です。");
}

TEST_F(WindowTest, SearchTakesTheBoxOfTheSelectedRangeTrimmed) {
    Tolvaform& form = LoadedForm();
    Click(form.Control("tolvaselect(1)"));
    EXPECT_FALSE(SendMessageW(form.Control("tolvaselect(0)"), BM_GETCHECK, 0, 0));
    SetWindowTextW(Box(0), L"1000");
    SetWindowTextW(Box(1), L" 5123 ");
    SendMessageW(Box(0), WM_CHAR, L'\r', 1);  // Return in the "090-" box
    Click(form.Control("researchbtn"));
    ASSERT_EQ(boxes.shown.size(), 2u);
    for (const test_support::ShownBox& box : boxes.shown) {
        EXPECT_EQ(box.prompt, u"080-5123-****の携帯電話のキャリアは\r080丁です。");
        EXPECT_EQ(box.style, BoxStyle::Information);
        EXPECT_EQ(box.title, std::optional<std::u16string>(u"ミルデン"));
    }
    EXPECT_EQ(TextOf(Box(1)), u" 5123 ");  // the box keeps its text
}

TEST_F(WindowTest, VersionBoxShowsThreeLinesWithoutIcon) {
    Tolvaform& form = LoadedForm();
    SendMessageW(form.hwnd(), WM_COMMAND, Tolvaform::kVersionsId, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, VersionBoxPrompt(MILDEN_VERSION));
    EXPECT_EQ(boxes.shown[0].style, BoxStyle::NoIcon);
    EXPECT_EQ(boxes.shown[0].title, std::optional<std::u16string>(kVersionBoxTitle));
    EXPECT_EQ(PromptLines(u"a\r\rb"), L"a\r\n\r\nb");
}

// Runs check once the next modal loop is running, by a timer message it dispatches.
void WhileModal(std::function<void()> check) {
    static std::function<void()> pending;
    pending = std::move(check);
    SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        std::exchange(pending, nullptr)();
    });
}

TEST_F(WindowTest, HelpWindowIsModalAndClosesWith閉じる) {
    Tolvaform& form = LoadedForm();
    bool checked = false;
    WhileModal([&] {
        Helpfrm& help = helpfrm();
        EXPECT_TRUE(IsWindowVisible(help.hwnd()));
        EXPECT_FALSE(IsWindowEnabled(form.hwnd()));  // the main window takes no input
        EXPECT_EQ(GetWindow(help.hwnd(), GW_OWNER), form.hwnd());
        EXPECT_TRUE(GetWindowLongPtrW(help.hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_EQ(GetFocus(), help.Control("Command1"));
        EXPECT_EQ(TextOf(help.hwnd()), kHelpfrm.caption);
        SendMessageW(help.Control("Command1"), BM_CLICK, 0, 0);
        checked = true;
    });
    SendMessageW(form.hwnd(), WM_COMMAND, Tolvaform::kHelpviewId, 0);  // returns once it has closed
    EXPECT_TRUE(checked);
    EXPECT_TRUE(IsWindowEnabled(form.hwnd()));
    EXPECT_FALSE(IsWindowVisible(helpfrm().hwnd()));
}

TEST_F(WindowTest, BannerReusesItsBrowserUntilItQuits) {
    Tolvaform& form = LoadedForm();
    HWND banner = form.Control("Picture1");
    ClickLink(banner);
    ClickLink(banner);
    ASSERT_EQ(browsers.logs.size(), 1u);  // the second click reuses the first browser
    const FakeWebBrowserLog& first = *browsers.logs[0];
    EXPECT_EQ(first.navigations, 2);
    EXPECT_EQ(FromWide(first.lastAddress), kPublicationAddress);
    EXPECT_TRUE(first.visible);
    EXPECT_TRUE(first.subscribed);
    ASSERT_NE(form.ie(), nullptr);

    QuitFakeWebBrowser(browsers.created[0]);  // the user closes the browser window
    EXPECT_NE(form.ie(), nullptr);            // let go only once the event is over
    Pump();
    EXPECT_EQ(form.ie(), nullptr);
    EXPECT_FALSE(first.subscribed);
    EXPECT_TRUE(first.released);

    ClickLink(banner);
    EXPECT_EQ(browsers.logs.size(), 2u);  // after OnQuit, a new browser
    EXPECT_TRUE(browsers.openedInDefaultBrowser.empty());
}

TEST_F(WindowTest, HelpAddressUsesABrowserOfItsOwn) {
    Tolvaform& form = LoadedForm();
    ClickLink(form.Control("Picture1"));
    Helpfrm& help = helpfrm();
    ClickLink(help.Control("Label1(5)"));
    ASSERT_EQ(browsers.logs.size(), 2u);
    EXPECT_EQ(FromWide(browsers.logs[1]->lastAddress), kMakerHomePage);
    EXPECT_NE(help.ie(), nullptr);
    QuitFakeWebBrowser(browsers.created[1]);
    Pump();
    EXPECT_EQ(help.ie(), nullptr);
    EXPECT_NE(form.ie(), nullptr);  // the banner's browser is another one
}

TEST_F(WindowTest, FailedCreationLeavesIeEmptyAndOpensTheDefaultBrowser) {
    Tolvaform& form = LoadedForm();
    browsers.failCreate = true;
    ClickLink(form.Control("Picture1"));
    EXPECT_EQ(form.ie(), nullptr);
    EXPECT_EQ(browsers.openedInDefaultBrowser, std::vector<std::u16string>{std::u16string(kPublicationAddress)});
    browsers.failCreate = false;
    ClickLink(form.Control("Picture1"));  // the next click tries again
    EXPECT_NE(form.ie(), nullptr);
}

TEST_F(WindowTest, FailedNavigateKeepsIeHeldAndHidden) {
    Tolvaform& form = LoadedForm();
    browsers.failNavigate = true;
    ClickLink(form.Control("Picture1"));
    ASSERT_EQ(browsers.logs.size(), 1u);
    EXPECT_NE(form.ie(), nullptr);
    EXPECT_FALSE(browsers.logs[0]->visible);
    EXPECT_TRUE(browsers.openedInDefaultBrowser.empty());
}

// Every control at its design's rectangle converted at the window's DPI, at 96, 144 and 192.
TEST_F(WindowTest, GeometryFollowsTheWindowsDpi) {
    for (const WindowDesign* design : {&kTolvaform, &kHelpfrm}) {
        for (const int dpi : {96, 144, 192}) {
            SCOPED_TRACE(std::string(design->name) + " at " + std::to_string(dpi));
            HWND window = design == &kTolvaform ? tolvaform().hwnd() : helpfrm().hwnd();
            RECT suggested{0, 0, 10, 10};
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            RECT client;
            GetClientRect(window, &client);
            EXPECT_EQ(client.right, TwipsToPixels(design->clientWidth, dpi));
            EXPECT_EQ(client.bottom, TwipsToPixels(design->clientHeight, dpi));
            for (const ControlDesign& control : design->controls) {
                HWND child = design == &kTolvaform ? tolvaform().Control(control.name) : helpfrm().Control(control.name);
                RECT r;
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
                EXPECT_EQ(r.left, TwipsToPixels(control.rect.left, dpi)) << control.name;
                EXPECT_EQ(r.top, TwipsToPixels(control.rect.top, dpi)) << control.name;
                EXPECT_EQ(r.right - r.left, TwipsToPixels(control.rect.width, dpi)) << control.name;
                EXPECT_EQ(r.bottom - r.top, TwipsToPixels(control.rect.height, dpi)) << control.name;
            }
        }
    }
}

TEST_F(WindowTest, ScreenReadersHearTheDesignsNames) {
    for (const WindowDesign* design : {&kTolvaform, &kHelpfrm}) {
        for (const ControlDesign& control : design->controls) {
            if (!TakesFocus(control)) continue;
            SCOPED_TRACE(control.name);
            ASSERT_FALSE(control.accessibleName.empty());
            HWND child = design == &kTolvaform ? tolvaform().Control(control.name) : helpfrm().Control(control.name);
            IAccessible* accessible = nullptr;
            ASSERT_EQ(AccessibleObjectFromWindow(child, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&accessible)),
                      S_OK);
            VARIANT self;
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            BSTR name = nullptr;
            ASSERT_EQ(accessible->get_accName(self, &name), S_OK);
            EXPECT_EQ(FromWide(name), control.accessibleName);
            SysFreeString(name);
            VARIANT role;
            ASSERT_EQ(accessible->get_accRole(self, &role), S_OK);
            if (!control.link.empty()) {
                EXPECT_EQ(role.lVal, ROLE_SYSTEM_LINK);
            }
            accessible->Release();
        }
    }
}

}  // namespace
}  // namespace milden

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}

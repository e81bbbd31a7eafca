// The Win32 windows in this process, against recording message boxes and a fake browser
// automation object: what only Win32 can show. Real messages reach the key filter and the search,
// the help window is modal and the focus comes back after it (after a real message box:
// end_to_end_test.cpp), the automation object's quit arrives, and the controls scale with the DPI
// and speak to screen readers. What the windows decide is tested in tests/desktop.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "desktop/helpfrm.h"
#include "desktop/tolvaform.h"
#include "desktop/web_addresses.h"
#include "tests/support/recording_services.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_sample_data.h"
#include "tests/win/fake_web_browser.h"
#include "win/message_boxes.h"
#include "win/wide.h"
#include "win/win32_front_end.h"

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

// Handles this thread's messages until done() or ten seconds have passed; done() at the end.
bool PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        Pump();
        Sleep(10);
    }
    return done();
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

// The browsers the windows create: fakes of the automation object, each with its own log.
struct FakeBrowsers {
    std::vector<std::unique_ptr<FakeWebBrowserLog>> logs;
    std::vector<IWebBrowser2*> created;  // valid while the log says not released
    InternetExplorerFactory factory{[this](IWebBrowser2** browser) {
                                        logs.push_back(std::make_unique<FakeWebBrowserLog>());
                                        *browser = CreateFakeWebBrowser(logs.back().get());
                                        created.push_back(*browser);
                                        return S_OK;
                                    },
                                    [](std::u16string_view) {}};
};

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override { Pump(); }

    TolvaformWindow& window() { return *frontEnd.tolvaform(); }
    HelpfrmWindow& help() {
        form.helpfrm();
        return *frontEnd.helpfrm();
    }
    HWND Box(int i) { return window().Control(Tolvaform::phone_text090(i)); }
    void Click(HWND control) {
        SendMessageW(control, BM_CLICK, 0, 0);
        Pump();
    }

    test_support::CurrentDirectory dir{test_support::kWindowSampleData};
    RecordingBoxes boxes;
    FakeBrowsers browsers;
    Win32FrontEnd frontEnd{boxes, browsers.factory};
    Tolvaform form{frontEnd};
};

TEST_F(WindowTest, StartsWith090SelectedAndTheCaretInTheFirstBoxInAFixedFrame) {
    form.Load();
    EXPECT_TRUE(IsWindowVisible(window().hwnd()));
    EXPECT_EQ(WindowText(window().hwnd()), kTolvaform.caption);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(window().IsSelected(Tolvaform::tolvaselect(i)), i == 0) << i;
    EXPECT_EQ(GetFocus(), Box(0));
    const LONG_PTR style = GetWindowLongPtrW(window().hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    HMENU help = GetSubMenu(GetMenu(window().hwnd()), 0);
    wchar_t caption[64];
    GetMenuStringW(GetMenu(window().hwnd()), 0, caption, 64, MF_BYPOSITION);
    EXPECT_EQ(FromWide(caption), kHelpMenu.caption);
    ASSERT_EQ(GetMenuItemCount(help), 3);
    EXPECT_EQ(GetMenuState(help, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
}

void SetClipboardText(const std::u16string& text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy_n(Wide(text).c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// A WM_CHAR typed into the "090-" box holding before: the text after it, and whether a search ran.
TEST_F(WindowTest, TypedCharactersReachTheKeyFilter) {
    struct Case {
        const char* name;
        std::u16string before;
        wchar_t code;
        std::u16string clipboard;
        std::u16string after;
        bool searched;
    };
    const Case cases[] = {
        {"a fifth character is discarded", u"1234", L'5', u"", u"1234", false},
        {"Backspace at four deletes", u"1234", L'\b', u"", u"123", false},
        {"Ctrl+V at three pastes all of it", u"123", 0x16, u"4567", u"1234567", false},
        {"Return at four searches and keeps the text", u"1234", L'\r', u"", u"1234", true},
    };
    form.Load();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        SetWindowTextW(Box(0), Wide(c.before).c_str());
        SendMessageW(Box(0), EM_SETSEL, c.before.size(), c.before.size());
        if (!c.clipboard.empty()) SetClipboardText(c.clipboard);
        SendMessageW(Box(0), WM_CHAR, c.code, 1);
        EXPECT_EQ(WindowText(Box(0)), c.after);
        EXPECT_EQ(boxes.shown.size(), c.searched ? 1u : 0u);
    }
    SetClipboardText(u"5");
    SendMessageW(Box(0), WM_PASTE, 0, 0);  // what the box's menu does: never cut
    EXPECT_EQ(WindowText(Box(0)), u"12345");
}

// The button reads the real option buttons and boxes.
TEST_F(WindowTest, TheButtonSearchesTheBoxOfTheSelectedRange) {
    form.Load();
    Click(window().Control(Tolvaform::tolvaselect(1)));
    EXPECT_FALSE(window().IsSelected(Tolvaform::tolvaselect(0)));
    SetWindowTextW(Box(0), L"1000");
    SetWindowTextW(Box(1), L" 5123 ");
    Click(window().Control(Tolvaform::researchbtn));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, u"080-5123-****の携帯電話のキャリアは\r080丁です。");
    EXPECT_EQ(PromptLines(u"a\r\rb"), L"a\r\n\r\nb");  // how MessageBoxW is given the lines
}

TEST_F(WindowTest, HelpWindowIsModalClosesWith閉じるAndGivesTheFocusBack) {
    form.Load();
    SetFocus(window().Control(Tolvaform::researchbtn));
    bool checked = false;
    WhileModal([&] {
        EXPECT_TRUE(IsWindowVisible(help().hwnd()));
        EXPECT_FALSE(IsWindowEnabled(window().hwnd()));  // the main window takes no input
        EXPECT_EQ(GetWindow(help().hwnd(), GW_OWNER), window().hwnd());
        EXPECT_TRUE(GetWindowLongPtrW(help().hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_EQ(GetFocus(), help().Control(Helpfrm::Command1));
        EXPECT_EQ(WindowText(help().hwnd()), kHelpfrm.caption);
        SendMessageW(help().Control(Helpfrm::Command1), BM_CLICK, 0, 0);
        checked = true;
    });
    SendMessageW(window().hwnd(), WM_COMMAND, TolvaformWindow::MenuId(Tolvaform::helpview), 0);  // returns once closed
    EXPECT_TRUE(checked);
    EXPECT_TRUE(IsWindowEnabled(window().hwnd()));
    EXPECT_FALSE(IsWindowVisible(help().hwnd()));
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == window().Control(Tolvaform::researchbtn); }));
}

// The banner drives the automation object: sent to the page, shown, subscribed; its OnQuit lets
// the window release it, once the event is over.
TEST_F(WindowTest, BannerDrivesTheAutomationObjectUntilItQuits) {
    form.Load();
    HWND banner = window().Control(Tolvaform::Picture1);
    SendMessageW(banner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(banner, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(browsers.logs.size(), 1u);
    const FakeWebBrowserLog& log = *browsers.logs[0];
    EXPECT_EQ(log.navigations, 1);
    EXPECT_EQ(FromWide(log.lastAddress), kPublicationAddress);
    EXPECT_TRUE(log.visible);
    EXPECT_TRUE(log.subscribed);

    QuitFakeWebBrowser(browsers.created[0]);  // the user closes the browser window
    EXPECT_NE(form.ie(), nullptr);            // let go only once the event is over
    Pump();
    EXPECT_EQ(form.ie(), nullptr);
    EXPECT_FALSE(log.subscribed);
    EXPECT_TRUE(log.released);
}

// Every control at its design's rectangle converted at the window's DPI, at 96, 144 and 192.
TEST_F(WindowTest, GeometryFollowsTheWindowsDpi) {
    for (const WindowDesign* design : {&kTolvaform, &kHelpfrm}) {
        const DesignedWindow& shown = design == &kTolvaform ? static_cast<DesignedWindow&>(window()) : help();
        for (const int dpi : {96, 144, 192}) {
            SCOPED_TRACE(std::string(design->name) + " at " + std::to_string(dpi));
            RECT suggested{0, 0, 10, 10};
            SendMessageW(shown.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            RECT client;
            GetClientRect(shown.hwnd(), &client);
            EXPECT_EQ(client.right, TwipsToPixels(design->clientWidth, dpi));
            EXPECT_EQ(client.bottom, TwipsToPixels(design->clientHeight, dpi));
            for (std::size_t i = 0; i < design->controls.size(); ++i) {
                const ControlDesign& control = design->controls[i];
                RECT r;
                GetWindowRect(shown.Control(static_cast<int>(i)), &r);
                MapWindowPoints(nullptr, shown.hwnd(), reinterpret_cast<POINT*>(&r), 2);
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
        const DesignedWindow& shown = design == &kTolvaform ? static_cast<DesignedWindow&>(window()) : help();
        for (std::size_t i = 0; i < design->controls.size(); ++i) {
            const ControlDesign& control = design->controls[i];
            if (!TakesFocus(control)) continue;
            SCOPED_TRACE(control.name);
            ASSERT_FALSE(control.accessibleName.empty());
            IAccessible* accessible = nullptr;
            ASSERT_EQ(AccessibleObjectFromWindow(shown.Control(static_cast<int>(i)), OBJID_CLIENT, IID_IAccessible,
                                                 reinterpret_cast<void**>(&accessible)),
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

// The real milden.exe as a separate process, seen from outside as a user would: one request end
// to end, read from the real message box, after which the focus is back in the digit box. And the platform's real InternetExplorer object: made,
// sent to a page, shown, and reporting OnQuit when its window is closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/tolvaform.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_sample_data.h"
#include "win/designed_controls.h"
#include "win/internet_explorer.h"
#include "win/wide.h"

namespace milden {
namespace {

// Polls find until it gives a window, handling this thread's messages meanwhile; a minute at
// most, however busy the machine is.
HWND WaitForWindow(const std::function<HWND()>& find) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (std::chrono::steady_clock::now() < deadline) {
        if (HWND window = find()) return window;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(20);
    }
    return nullptr;
}

int IdOf(int control) { return DesignedControls::kFirstId + control; }

std::wstring DialogText(HWND window, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(window, id, text, 512);
    return text;
}

// The pixels of a square of the screen, or of an icon drawn on a background of colour.
std::vector<COLORREF> Pixels(HDC source, POINT at, int size) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(source, at.x + x, at.y + y));
    }
    return pixels;
}

std::vector<COLORREF> IconPixels(LPCWSTR icon, COLORREF background, int size) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, size, size};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &all, brush);
    DrawIconEx(dc, 0, 0, LoadIconW(nullptr, icon), size, size, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels = Pixels(dc, {0, 0}, size);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Which system icon the message box shows, read from the screen where its icon control lies.
std::string ShownIcon(HWND box) {
    HWND control = nullptr;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM found) {
            if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&control));
    if (!control) return "none";
    RECT r;
    GetWindowRect(control, &r);
    const int size = GetSystemMetrics(SM_CXICON);
    HDC screen = GetDC(nullptr);
    const std::vector<COLORREF> shown = Pixels(screen, {r.left, r.top}, size);
    ReleaseDC(nullptr, screen);
    for (const auto& [icon, name] : {std::pair{IDI_INFORMATION, "information"}, std::pair{IDI_WARNING, "warning"}}) {
        if (IconPixels(icon, shown.back(), size) == shown) return name;
    }
    return "another";
}

void PressKey(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

TEST(EndToEnd, Select080Type5123PressReturnAndReadTheAnswer) {
    test_support::TempDir dir;
    dir.WriteDataFile(test_support::kWindowSampleData);
    std::wstring command = L"\"" + Wide(std::string_view(MILDEN_EXE)) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               dir.path().wstring().c_str(), &startup, &process));
    CloseHandle(process.hThread);

    // Shown: the window exists hidden until its start-up sequence has selected "090-".
    HWND main = WaitForWindow([] {
        HWND window = FindWindowW(L"MildenWindow", Wide(kTolvaform.caption).c_str());
        return IsWindowVisible(window) ? window : nullptr;
    });
    ASSERT_NE(main, nullptr);
    SendMessageW(GetDlgItem(main, IdOf(Tolvaform::tolvaselect(1))), BM_CLICK, 0, 0);
    HWND box = GetDlgItem(main, IdOf(Tolvaform::phone_text090(1)));
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, 0);  // a click into the box gives it the focus
    SendMessageW(box, WM_LBUTTONUP, 0, 0);
    for (const char key : {'5', '1', '2', '3'}) PressKey(box, static_cast<WPARAM>(key));
    PressKey(box, VK_RETURN);

    HWND answer = WaitForWindow([] { return FindWindowW(L"#32770", L"ミルデン"); });
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(DialogText(answer, 0xFFFF), L"080-5123-****の携帯電話のキャリアは\r\n080丁です。");
    // Read once the box has been drawn: until then its icon shows as "another".
    std::string icon;
    WaitForWindow([&] { return (icon = ShownIcon(answer)) == "another" ? nullptr : answer; });
    EXPECT_EQ(icon, "information");
    EXPECT_EQ(DialogText(main, IdOf(Tolvaform::phone_text090(1))), L"5123");

    SendMessageW(GetDlgItem(answer, IDOK), BM_CLICK, 0, 0);
    EXPECT_NE(WaitForWindow([&] { return IsWindow(answer) ? nullptr : main; }), nullptr);
    // The focus is back in the box that had it, so that digits typed now go in.
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    EXPECT_EQ(WaitForWindow([&] {
                  GUITHREADINFO info{};
                  info.cbSize = sizeof info;
                  return GetGUIThreadInfo(thread, &info) && info.hwndFocus == box ? box : nullptr;
              }),
              box);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, 0u);
    CloseHandle(process.hProcess);
}

// This Wine's object sends no OnQuit when its window closes (measured): OnQuit is tested against
// the fake in window_test.cpp.
TEST(InternetExplorerObject, IsMadeNavigatedAndShown) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        struct : BrowserEvents {
            void OnQuit() override {}
        } events;
        InternetExplorerFactory factory;
        std::unique_ptr<BrowserObject> ie = factory.Create(events);
        ASSERT_NE(ie, nullptr) << "no InternetExplorer object";
        EXPECT_TRUE(ie->Navigate(u"about:blank"));
        EXPECT_TRUE(ie->SetVisible(true));
        HWND frame = WaitForWindow([] { return FindWindowW(L"IEFrame", nullptr); });
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(IsWindowVisible(frame));
        // The program never closes a browser window; the test ends the browser's process itself.
        DWORD browserProcess = 0;
        GetWindowThreadProcessId(frame, &browserProcess);
        ie.reset();
        if (HANDLE browser = OpenProcess(PROCESS_TERMINATE, FALSE, browserProcess)) {
            TerminateProcess(browser, 0);
            CloseHandle(browser);
        }
    }
    CoUninitialize();
}

}  // namespace
}  // namespace milden

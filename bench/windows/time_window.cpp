// time_window RUNS WINDOW BARE: starts the window program WINDOW and the bare window BARE in turn,
// RUNS times, and prints for each turn how long each took from its start to its end, in
// milliseconds. WINDOW is asked to close (WM_CLOSE to its windows) once it first waits for input,
// its window shown and painted; BARE exits by itself once it has painted.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Closing {
    DWORD process;
    bool posted = false;
};

BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM closing) {
    auto& c = *reinterpret_cast<Closing*>(closing);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == c.process && IsWindowVisible(window)) c.posted = PostMessageW(window, WM_CLOSE, 0, 0) || c.posted;
    return TRUE;
}

// Milliseconds from the program's start to its end; a negative value when it failed.
double Time(const wchar_t* program, bool close) {
    std::wstring command = L"\"" + std::wstring(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "time_window: cannot start %ls (error %lu)\n", program, GetLastError());
        return -1;
    }
    // Idle with a visible window: shown and painted. Wine may call a program idle before its
    // first window, so the windows are looked for until there is one.
    for (Closing closing{process.dwProcessId}; close && !closing.posted;) {
        if (WaitForInputIdle(process.hProcess, 30000) != 0 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        EnumWindows(CloseWindowsOf, reinterpret_cast<LPARAM>(&closing));
        if (!closing.posted) Sleep(1);
    }
    const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? took.count() : -1;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) return 2;
    const long runs = std::wcstol(argv[1], nullptr, 10);
    // The first look at the windows loads the display driver and the theme into this process
    // (a tenth of a second under Wine): done here, it is not counted in WINDOW's first turn.
    EnumWindows([](HWND, LPARAM) { return TRUE; }, 0);
    for (long i = 0; i < runs; ++i) {
        const double window = Time(argv[2], true);
        const double bare = Time(argv[3], false);
        if (window < 0 || bare < 0) {
            std::fprintf(stderr, "time_window: %ls did not start or end\n", window < 0 ? argv[2] : argv[3]);
            return 1;
        }
        std::printf("%.3f %.3f\n", window, bare);
        std::fflush(stdout);
    }
    return 0;
}

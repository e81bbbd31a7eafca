// wait_for_mutex NAME: waits up to a minute for a program to create the named mutex, as milden.exe
// does first thing. Exits 0 once the mutex exists, 1 if it never does.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: wait_for_mutex NAME\n", stderr);
        return 2;
    }
    for (int tenths = 0; tenths < 600; ++tenths) {
        if (const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, argv[1])) {
            CloseHandle(mutex);
            return 0;
        }
        Sleep(100);
    }
    std::fputs("wait_for_mutex: no such mutex after a minute\n", stderr);
    return 1;
}

// ミルデン on Windows: the main window on the data file of the current directory.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "version.h"
#include "win/message_loop.h"
#include "win/win32_front_end.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CreateMutexW(nullptr, FALSE, MILDEN_RUNNING_MUTEX);  // held until exit: setup asks to close the program
    // A single-threaded apartment: the browser's events arrive through this thread's messages.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    {  // the windows and their browsers go before COM does
        milden::Win32FrontEnd frontEnd;
        milden::Tolvaform form(frontEnd);
        form.Load();
        milden::RunMessagesUntil([&frontEnd] { return !IsWindow(frontEnd.tolvaform()->hwnd()); });
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

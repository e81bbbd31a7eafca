// read_shortcut FILE.lnk: prints the shortcut's target and its working folder, one a line, in
// UTF-8, as Windows reads them (the shell's IShellLinkW). Exits non-zero when the file cannot be
// read as a shortcut.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

void PrintLine(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
}

// Says which call failed and returns whether it did.
bool Failed(HRESULT result, const char* what) {
    if (SUCCEEDED(result)) return false;
    std::fprintf(stderr, "read_shortcut: %s failed (0x%08lx)\n", what, static_cast<unsigned long>(result));
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: read_shortcut FILE.lnk\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);  // LF line ends, as the test compares them
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {};
    wchar_t folder[MAX_PATH] = {};
    if (Failed(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), "CoInitializeEx") ||
        Failed(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)), "CoCreateInstance(ShellLink)") ||
        Failed(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)), "QueryInterface") ||
        Failed(file->Load(argv[1], STGM_READ), "Load") ||
        Failed(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH), "GetPath") ||
        Failed(link->GetWorkingDirectory(folder, MAX_PATH), "GetWorkingDirectory")) {
        return 1;
    }
    PrintLine(target);
    PrintLine(folder);
    file->Release();
    link->Release();
    CoUninitialize();
    return 0;
}

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
    std::fputs(utf8.c_str(), stdout);
    std::fputc('\n', stdout);
}

int Fail(const char* what, HRESULT result) {
    std::fprintf(stderr, "read_shortcut: %s failed (0x%08lx)\n", what, static_cast<unsigned long>(result));
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: read_shortcut FILE.lnk\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);  // LF line ends, as the test compares them
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(result)) return Fail("CoInitializeEx", result);

    IShellLinkW* link = nullptr;
    result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link));
    if (FAILED(result)) return Fail("CoCreateInstance(ShellLink)", result);
    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result)) return Fail("QueryInterface(IPersistFile)", result);
    result = file->Load(argv[1], STGM_READ);
    if (FAILED(result)) return Fail("Load", result);

    wchar_t target[MAX_PATH] = {};
    result = link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    if (FAILED(result)) return Fail("GetPath", result);
    wchar_t folder[MAX_PATH] = {};
    result = link->GetWorkingDirectory(folder, MAX_PATH);
    if (FAILED(result)) return Fail("GetWorkingDirectory", result);
    PrintLine(target);
    PrintLine(folder);

    file->Release();
    link->Release();
    CoUninitialize();
    return 0;
}

// check_version_info FILE NAME=VALUE...: reads the strings of FILE's version resource as Explorer
// reads them (GetFileVersionInfoW, VerQueryValueW, in the resource's first translation) and
// compares each NAME with VALUE. Prints every difference in UTF-8 and exits 1 when there is one.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_U8TEXT);
    if (argc < 3) return 2;
    std::vector<char> info(GetFileVersionInfoSizeW(argv[1], nullptr));
    WORD* translation = nullptr;  // language, code page
    UINT size = 0;
    if (info.empty() || !GetFileVersionInfoW(argv[1], 0, static_cast<DWORD>(info.size()), info.data()) ||
        !VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) || size < 4) {
        wprintf(L"%ls: no version resource\n", argv[1]);
        return 1;
    }
    wchar_t block[32];
    swprintf(block, 32, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    int differences = 0;
    for (int i = 2; i < argc; ++i) {
        const std::wstring pair = argv[i];
        const std::size_t equals = pair.find(L'=');
        if (equals == std::wstring::npos) return 2;
        const std::wstring name = pair.substr(0, equals);
        const std::wstring value = pair.substr(equals + 1);
        wchar_t* found = nullptr;
        UINT length = 0;
        const bool has = VerQueryValueW(info.data(), (block + name).c_str(), reinterpret_cast<void**>(&found), &length) && found;
        if (!has || value != found) {
            wprintf(L"%ls: %ls is \"%ls\", not \"%ls\"\n", argv[1], name.c_str(), has ? found : L"(none)", value.c_str());
            ++differences;
        }
    }
    return differences == 0 ? 0 : 1;
}

// check_version_info FILE NAME=VALUE...: reads the strings of FILE's version resource as Explorer
// reads them (GetFileVersionInfoW, VerQueryValueW, in the resource's first translation) and
// compares each NAME with VALUE. Prints every difference in UTF-8 and exits 1 when there is one.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: check_version_info FILE NAME=VALUE...\n", stderr);
        return 2;
    }
    const std::wstring file = argv[1];
    std::vector<char> info(GetFileVersionInfoSizeW(file.c_str(), nullptr));
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    UINT size = 0;
    if (info.empty() || !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(info.size()), info.data()) ||
        !VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
        size < sizeof(Translation)) {
        std::printf("%s: no version resource\n", Utf8(file).c_str());
        return 1;
    }
    wchar_t block[32];
    swprintf(block, 32, L"\\StringFileInfo\\%04x%04x\\", translation->language, translation->codePage);
    int differences = 0;
    for (int i = 2; i < argc; ++i) {
        const std::wstring expected = argv[i];
        const std::size_t equals = expected.find(L'=');
        if (equals == std::wstring::npos) {
            std::fputs("check_version_info: expected NAME=VALUE\n", stderr);
            return 2;
        }
        const std::wstring name = expected.substr(0, equals);
        const std::wstring value = expected.substr(equals + 1);
        wchar_t* found = nullptr;
        UINT length = 0;
        const std::wstring read = VerQueryValueW(info.data(), (block + name).c_str(), reinterpret_cast<void**>(&found), &length) && found
                                      ? std::wstring(found)
                                      : L"(none)";
        if (read != value) {
            std::printf("%s: %s is \"%s\", not \"%s\"\n", Utf8(file).c_str(), Utf8(name).c_str(), Utf8(read).c_str(),
                        Utf8(value).c_str());
            ++differences;
        }
    }
    return differences == 0 ? 0 : 1;
}

// milden-lookup's standard streams on Windows. A console is written with WriteConsoleW and read
// with ReadConsoleW, in UTF-16; pipes and files carry the bytes as they are (main_win32.cpp puts
// the C library's streams in binary mode, so no CR is added to a line end).
#include <windows.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/console.h"
#include "lookup/utf8.h"

namespace milden::cli {
namespace {

// The console behind handle, or nullptr when handle is a file, a pipe or a device such as NUL.
HANDLE ConsoleOf(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && ::GetConsoleMode(handle, &mode) ? handle : nullptr;
}

bool WriteConsoleText(HANDLE console, std::string_view utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    const auto* units = reinterpret_cast<const wchar_t*>(text.data());
    std::size_t left = text.size();
    while (left > 0) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1 << 14));
        if (!::WriteConsoleW(console, units, chunk, &written, nullptr) || written == 0) return false;
        units += written;
        left -= written;
    }
    return true;
}

}  // namespace

bool WriteStandardOutput(std::string_view utf8) {
    if (const HANDLE console = ConsoleOf(::GetStdHandle(STD_OUTPUT_HANDLE))) {
        // What the C library holds goes first, so that the order stays.
        return std::fflush(stdout) == 0 && WriteConsoleText(console, utf8);
    }
    return std::fwrite(utf8.data(), 1, utf8.size(), stdout) == utf8.size();
}

bool FlushStandardOutput() { return std::fflush(stdout) == 0; }

void WriteStandardError(std::string_view utf8) {
    if (const HANDLE console = ConsoleOf(::GetStdHandle(STD_ERROR_HANDLE))) {
        WriteConsoleText(console, utf8);
        return;
    }
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

bool StandardOutputIsInteractive() { return ConsoleOf(::GetStdHandle(STD_OUTPUT_HANDLE)) != nullptr; }

bool StandardOutputShowsColour() {
    const HANDLE console = ConsoleOf(::GetStdHandle(STD_OUTPUT_HANDLE));
    DWORD mode = 0;
    return console != nullptr && ::GetConsoleMode(console, &mode) &&
           ::SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

std::size_t ReadInput(int fd, char* buffer, std::size_t size) {
    // The handle itself, past the C library: its text mode would drop CRs and stop at Ctrl-Z.
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE) return 0;
    DWORD got = 0;
    if (const HANDLE console = ConsoleOf(handle)) {
        // A UTF-16 unit never takes more than three bytes of UTF-8 (a surrogate pair takes four).
        std::wstring units(std::max<std::size_t>(size / 3, 1), L'\0');
        if (!::ReadConsoleW(console, units.data(), static_cast<DWORD>(units.size()), &got, nullptr) || got == 0) return 0;
        if (units[0] == L'\x1A') return 0;  // Ctrl-Z at the start of a line ends a console's input
        const std::string utf8 = Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(units.data()), got));
        std::copy(utf8.begin(), utf8.end(), buffer);
        return utf8.size();
    }
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, DWORD{1} << 30));
    return ::ReadFile(handle, buffer, wanted, &got, nullptr) ? got : 0;
}

}  // namespace milden::cli

// milden-lookup's standard streams as the platform has them. console_posix.cpp and
// console_win32.cpp implement them; CMake builds the one for the target platform. To a pipe or a
// file the bytes go as they are on every platform (UTF-8, LF line ends); a Windows console is
// written and read in UTF-16, so that Japanese shows whatever the console's code page.
#pragma once

#include <cstddef>
#include <string_view>

namespace milden::cli {

// Writes UTF-8 text to standard output; false when the write failed.
bool WriteStandardOutput(std::string_view utf8);
// Hands on what the C library still holds of standard output; false when that failed.
bool FlushStandardOutput();
// Writes UTF-8 text to standard error, at once.
void WriteStandardError(std::string_view utf8);
// True when standard output is a terminal or a console, which should see each answer at once.
bool StandardOutputIsInteractive();
// True when standard output shows ANSI colour sequences as colours: a terminal, or a Windows
// console that accepts them (asking it to, once).
bool StandardOutputShowsColour();
// The file descriptor of standard input.
inline constexpr int kStandardInputFd = 0;
// Reads up to size bytes (at least 4) from the file descriptor fd: 0 at the end or after a read
// error. Text typed into a Windows console arrives as UTF-8.
std::size_t ReadInput(int fd, char* buffer, std::size_t size);

}  // namespace milden::cli

// milden-lookup's standard streams on POSIX systems: bytes as they are, terminals included.
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "cli/console.h"

namespace milden::cli {

bool WriteStandardOutput(std::string_view utf8) {
    return std::fwrite(utf8.data(), 1, utf8.size(), stdout) == utf8.size();
}

bool FlushStandardOutput() { return std::fflush(stdout) == 0; }

void WriteStandardError(std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stderr); }

bool StandardOutputIsInteractive() { return ::isatty(STDOUT_FILENO) == 1; }

bool StandardOutputShowsColour() { return StandardOutputIsInteractive(); }

std::size_t ReadInput(int fd, char* buffer, std::size_t size) {
    ssize_t got = 0;
    do {
        got = ::read(fd, buffer, size);
    } while (got < 0 && errno == EINTR);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace milden::cli

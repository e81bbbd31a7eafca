#include "check/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace milden::check {
namespace {

// The same few words on every platform, whatever the system's own text and language.
std::string Reason(std::error_code error) {
    const std::error_condition condition = error.default_error_condition();
    if (condition == std::errc::no_such_file_or_directory) return "no such file";
    if (condition == std::errc::permission_denied) return "permission denied";
    if (condition == std::errc::not_a_directory) return "a part of its path is not a directory";
    if (condition == std::errc::is_a_directory) return "it is a directory";
    if (condition == std::errc::filename_too_long) return "its name is too long";
    return "error " + std::to_string(error.value());
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string WhyUnreadable(const std::string& path) {
    if (path.empty()) return "no such file";
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) return Reason(error);
    if (std::filesystem::is_directory(status)) return "it is a directory";
    if (!std::filesystem::is_regular_file(status)) return "it is not a regular file";
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return Reason(std::error_code(errno, std::generic_category()));
    return {};
}

FileBytes ReadFileBytes(const std::string& path, std::size_t limit) {
    FileBytes read;
    read.error = WhyUnreadable(path);
    if (!read.error.empty()) return read;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        read.error = "it cannot be opened";
        return read;
    }
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    while (read.bytes.size() < limit) {
        const std::size_t size = read.bytes.size();
        read.bytes.resize(std::min(limit, size + kChunk));
        const std::size_t got = std::fread(read.bytes.data() + size, 1, read.bytes.size() - size, file.get());
        read.bytes.resize(size + got);
        if (got == 0) break;
    }
    if (std::ferror(file.get())) read = {{}, "a read error"};
    return read;
}

}  // namespace milden::check

#include "check/file_bytes.h"

#include <algorithm>

#include "lookup/data_file_handle.h"

namespace milden::check {
namespace {

// The same few words on every platform, whatever the system's own text and language.
std::string Reason(OpenFailure failure) {
    switch (failure) {
    case OpenFailure::None: break;
    case OpenFailure::NoSuchFile: return "no such file";
    case OpenFailure::PathNotADirectory: return "a part of its path is not a directory";
    case OpenFailure::PermissionDenied: return "permission denied";
    case OpenFailure::NameTooLong: return "its name is too long";
    case OpenFailure::IsADirectory: return "it is a directory";
    case OpenFailure::NotARegularFile: return "it is not a regular file";
    case OpenFailure::InUse: return "another program holds it";
    case OpenFailure::Other: return "it cannot be opened";
    }
    return {};
}

}  // namespace

std::string WhyUnreadable(const std::string& path) { return Reason(DataFileHandle(path).failure()); }

FileBytes ReadFileBytes(const std::string& path, std::size_t limit) {
    FileBytes read;
    DataFileHandle file(path);
    read.error = Reason(file.failure());
    if (!read.error.empty()) return read;
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    while (read.bytes.size() < limit) {
        const std::size_t size = read.bytes.size();
        read.bytes.resize(std::min(limit, size + kChunk));
        const std::size_t got = file.Read(read.bytes.data() + size, read.bytes.size() - size);
        read.bytes.resize(size + got);
        if (got == 0) break;
    }
    return read;
}

}  // namespace milden::check

// The data file as the platform opens and reads it: the core's one contact with the file system.
// data_file_posix.cpp and data_file_win32.cpp implement it (and CheckFileExist); CMake builds the
// one for the target platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace milden {

// Why a file was not opened, in the same terms on every platform.
enum class OpenFailure : std::uint8_t {
    None,
    NoSuchFile,
    PathNotADirectory,  // a part of the path before the name is not a directory
    PermissionDenied,
    NameTooLong,
    IsADirectory,
    NotARegularFile,  // a device, a pipe, a socket or a console
    InUse,            // another program holds it without sharing
    Other,
};

// A regular file opened read-only, or nothing. Anything else (a directory, a device, a pipe, a
// console) is not opened: it could block, never end, or be no file at all. Others may go on
// reading, writing and deleting the file while it is open.
class DataFileHandle {
public:
    // Opens the file at path (UTF-8; UTF-16 for the system on Windows).
    explicit DataFileHandle(const std::string& path);
    ~DataFileHandle();
    DataFileHandle(const DataFileHandle&) = delete;
    DataFileHandle& operator=(const DataFileHandle&) = delete;

    // True when path named a regular file and it could be opened.
    bool IsOpen() const;
    // Why it was not opened; None when it was.
    OpenFailure failure() const { return failure_; }
    // Reads up to size bytes into buffer and returns how many it read: 0 at the end of the file,
    // after a read error (a locked range included) and when nothing is open. Never blocks for long.
    std::size_t Read(char* buffer, std::size_t size);

private:
    OpenFailure failure_ = OpenFailure::None;  // before native_, which the Win32 opening fills it with
    std::intptr_t native_;  // the file descriptor, or the HANDLE; -1 when nothing is open
};

}  // namespace milden

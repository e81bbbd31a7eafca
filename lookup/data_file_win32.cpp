// The data file on Windows: CreateFileW with a UTF-16 path, GetFileType and ReadFile.
#include <windows.h>

#include <algorithm>

#include "lookup/data_file_handle.h"
#include "lookup/lookup_tables.h"
#include "lookup/utf8.h"

namespace milden {
namespace {

std::wstring WidePath(const std::string& path) {
    const std::u16string utf16 = Utf8ToUtf16(path);
    return std::wstring(utf16.begin(), utf16.end());
}

OpenFailure FailureOf(DWORD error, const std::wstring& path) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH: return OpenFailure::NoSuchFile;
    case ERROR_ACCESS_DENIED: {
        // A directory opened as a file is refused as access denied.
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                   ? OpenFailure::IsADirectory
                   : OpenFailure::PermissionDenied;
    }
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return OpenFailure::InUse;
    case ERROR_FILENAME_EXCED_RANGE: return OpenFailure::NameTooLong;
    default: return OpenFailure::Other;
    }
}

// Opens path for access and keeps it only when it is a regular file on a disk: a directory, a
// device (NUL, CON, COM1), a pipe or a console is closed again. INVALID_HANDLE_VALUE otherwise,
// with the reason in failure.
HANDLE OpenRegularFile(const std::string& path, DWORD access, OpenFailure& failure) {
    if (path.empty()) {
        failure = OpenFailure::NoSuchFile;
        return INVALID_HANDLE_VALUE;
    }
    const std::wstring wide = WidePath(path);
    // Others may read, write and delete the file meanwhile, as they may on Linux. A file that
    // another program holds without sharing fails to open here and reads like a missing one.
    const HANDLE file = ::CreateFileW(wide.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failure = FailureOf(::GetLastError(), wide);
        return file;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool disk = ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info);
    if (disk && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        failure = OpenFailure::None;
        return file;
    }
    failure = disk ? OpenFailure::IsADirectory : OpenFailure::NotARegularFile;
    ::CloseHandle(file);
    return INVALID_HANDLE_VALUE;
}

}  // namespace

bool CheckFileExist(const std::string& FName) {
    OpenFailure failure = OpenFailure::None;
    const HANDLE file = OpenRegularFile(FName, FILE_READ_ATTRIBUTES, failure);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

DataFileHandle::DataFileHandle(const std::string& path)
    : native_(reinterpret_cast<std::intptr_t>(OpenRegularFile(path, GENERIC_READ, failure_))) {}

DataFileHandle::~DataFileHandle() {
    if (IsOpen()) ::CloseHandle(reinterpret_cast<HANDLE>(native_));
}

bool DataFileHandle::IsOpen() const { return reinterpret_cast<HANDLE>(native_) != INVALID_HANDLE_VALUE; }

std::size_t DataFileHandle::Read(char* buffer, std::size_t size) {
    if (!IsOpen()) return 0;
    DWORD got = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, DWORD{1} << 30));
    if (!::ReadFile(reinterpret_cast<HANDLE>(native_), buffer, wanted, &got, nullptr)) return 0;
    return got;
}

}  // namespace milden

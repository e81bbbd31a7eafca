// The data file on Windows: CreateFileW with a UTF-16 path, GetFileType and ReadFile.
#include <windows.h>

#include <algorithm>

#include "lookup/data_file_handle.h"
#include "lookup/lookup_tables.h"
#include "lookup/utf8.h"

namespace milden {
namespace {

// Opens path for access and keeps it only when it is a regular file on a disk: a directory, a
// device (NUL, CON, COM1), a pipe or a console is closed again. INVALID_HANDLE_VALUE otherwise.
HANDLE OpenRegularFile(const std::string& path, DWORD access) {
    if (path.empty()) return INVALID_HANDLE_VALUE;
    const std::u16string utf16 = Utf8ToUtf16(path);
    const std::wstring wide(utf16.begin(), utf16.end());
    // Others may read, write and delete the file meanwhile, as they may on Linux. A file that
    // another program holds without sharing fails to open here and reads like a missing one.
    const HANDLE file = ::CreateFileW(wide.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return file;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info) &&
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return file;
    }
    ::CloseHandle(file);
    return INVALID_HANDLE_VALUE;
}

}  // namespace

bool CheckFileExist(const std::string& FName) {
    const HANDLE file = OpenRegularFile(FName, FILE_READ_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

DataFileHandle::DataFileHandle(const std::string& path)
    : native_(reinterpret_cast<std::intptr_t>(OpenRegularFile(path, GENERIC_READ))) {}

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

// The data file on POSIX systems: open(2), fstat(2) and read(2).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "lookup/data_file_handle.h"
#include "lookup/lookup_tables.h"

namespace milden {

bool CheckFileExist(const std::string& FName) {
    struct stat st {};
    return !FName.empty() && ::stat(FName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

namespace {

OpenFailure FailureOf(int error) {
    switch (error) {
    case ENOENT: return OpenFailure::NoSuchFile;
    case ENOTDIR: return OpenFailure::PathNotADirectory;
    case EACCES:
    case EPERM: return OpenFailure::PermissionDenied;
    case ENAMETOOLONG: return OpenFailure::NameTooLong;
    case EISDIR: return OpenFailure::IsADirectory;
    default: return OpenFailure::Other;
    }
}

}  // namespace

DataFileHandle::DataFileHandle(const std::string& path) : native_(-1) {
    if (path.empty()) {
        failure_ = OpenFailure::NoSuchFile;
        return;
    }
    // Non-blocking, so that a FIFO put in the file's place is not waited on before fstat sees it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        failure_ = FailureOf(errno);
        return;
    }
    struct stat st {};
    // Checked on the open file: the name may have been replaced since CheckFileExist.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        native_ = fd;
    } else {
        failure_ = S_ISDIR(st.st_mode) ? OpenFailure::IsADirectory : OpenFailure::NotARegularFile;
        ::close(fd);
    }
}

DataFileHandle::~DataFileHandle() {
    if (IsOpen()) ::close(static_cast<int>(native_));
}

bool DataFileHandle::IsOpen() const { return native_ >= 0; }

std::size_t DataFileHandle::Read(char* buffer, std::size_t size) {
    if (!IsOpen()) return 0;
    ssize_t got = 0;
    do {
        got = ::read(static_cast<int>(native_), buffer, size);
    } while (got < 0 && errno == EINTR);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace milden

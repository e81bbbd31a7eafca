// The data file in the browser: the one file the page provided (data_file_web.h), read from
// memory. A handle keeps its read offset where the other platforms keep a descriptor.
#include <algorithm>
#include <cstring>
#include <utility>

#include "lookup/data_file_handle.h"
#include "lookup/data_file_web.h"
#include "lookup/format.h"
#include "lookup/lookup_tables.h"

namespace milden {
namespace {

struct PageFile {
    std::string path;
    std::string bytes;
    bool provided = false;
};

PageFile& ThePageFile() {
    static PageFile file;
    return file;
}

}  // namespace

void ProvidePageFile(std::string path, std::string bytes) {
    PageFile& file = ThePageFile();
    file.path = std::move(path);
    file.bytes = std::move(bytes);
    file.provided = true;
}

// The page's one file goes by its bare name: the page has no current directory (and asking for
// one would bring in the C++ file system library, 7 KB of the page's weight).
std::string DataFilePathInCurrentDirectory() { return std::string(kDataFileName); }

bool CheckFileExist(const std::string& FName) {
    const PageFile& file = ThePageFile();
    return file.provided && !FName.empty() && FName == file.path;
}

DataFileHandle::DataFileHandle(const std::string& path) : native_(-1) {
    if (!CheckFileExist(path)) {
        failure_ = OpenFailure::NoSuchFile;
        return;
    }
    native_ = 0;
}

DataFileHandle::~DataFileHandle() = default;

bool DataFileHandle::IsOpen() const { return native_ >= 0; }

std::size_t DataFileHandle::Read(char* buffer, std::size_t size) {
    if (!IsOpen()) return 0;
    // The page may have provided another file since: read on within whatever it holds now.
    const std::string& bytes = ThePageFile().bytes;
    const auto offset = static_cast<std::size_t>(native_);
    if (offset >= bytes.size()) return 0;
    const std::size_t count = std::min(size, bytes.size() - offset);
    std::memcpy(buffer, bytes.data() + offset, count);
    native_ += static_cast<std::intptr_t>(count);
    return count;
}

}  // namespace milden

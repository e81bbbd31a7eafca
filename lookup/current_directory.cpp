// Where the windows and milden-lookup look for the data file: the process's current directory.
#include <filesystem>
#include <system_error>

#include "lookup/format.h"
#include "lookup/lookup_tables.h"

namespace milden {

std::string DataFilePathInCurrentDirectory() {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    if (ec) return {};
    // UTF-8 on every platform: on Windows the directory's UTF-16 name, not the ANSI code page.
    const std::u8string path = (dir / kDataFileName).u8string();
    return std::string(path.begin(), path.end());
}

}  // namespace milden

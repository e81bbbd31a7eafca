// A temporary directory for tests, removed with everything in it when the object goes away.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "lookup/lookup_tables.h"

namespace milden::test_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes bytes to a file in the directory and returns its full path.
    std::string Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

// Loads the bytes (UTF-8 text is encoded to code page 932 first) through a real file on disk.
LookupTables LoadFromFile(std::string_view utf8);

}  // namespace milden::test_support

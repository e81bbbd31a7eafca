// A temporary directory for tests, removed with everything in it when the object goes away, and
// the current directory made one for a while.
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
    // Writes sorvane.dat from UTF-8 text, encoded to code page 932, and returns its full path.
    std::string WriteDataFile(std::string_view utf8) const;

private:
    std::filesystem::path path_;
};

// A temporary directory made the current one for the object's lifetime, optionally holding a
// sorvane.dat written from UTF-8 text: where a window finds its data file.
class CurrentDirectory {
public:
    CurrentDirectory();
    explicit CurrentDirectory(std::string_view dataFileUtf8);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
    std::filesystem::path previous_;
};

// Loads the bytes (UTF-8 text is encoded to code page 932 first) through a real file on disk.
LookupTables LoadFromFile(std::string_view utf8);

}  // namespace milden::test_support

#include "tests/support/temp_dir.h"

#include "lookup/cp932.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace milden::test_support {

TempDir::TempDir() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const std::filesystem::path candidate = base / ("milden-test-" + std::to_string(random()));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) path_ = candidate;  // false when it exists
    }
    if (path_.empty()) throw std::runtime_error("cannot make a temporary directory");
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
    // Names and the returned path are UTF-8 on every platform.
    const std::filesystem::path file = path_ / std::u8string_view(reinterpret_cast<const char8_t*>(name.data()), name.size());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const std::u8string utf8 = file.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::string TempDir::WriteDataFile(std::string_view utf8) const { return Write("sorvane.dat", EncodeCp932(utf8)); }

CurrentDirectory::CurrentDirectory() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir_.path());
}

CurrentDirectory::CurrentDirectory(std::string_view dataFileUtf8) : CurrentDirectory() { dir_.WriteDataFile(dataFileUtf8); }

CurrentDirectory::~CurrentDirectory() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
}

LookupTables LoadFromFile(std::string_view utf8) {
    TempDir dir;
    LookupTables tables;
    LoadDataFile(tables, dir.WriteDataFile(utf8));
    return tables;
}

}  // namespace milden::test_support

#include "tests/support/temp_dir.h"

#include "lookup/cp932.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace milden::test_support {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "milden-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

LookupTables LoadFromFile(std::string_view utf8) {
    TempDir dir;
    LookupTables tables;
    LoadDataFile(tables, dir.Write("sorvane.dat", EncodeCp932(utf8)));
    return tables;
}

}  // namespace milden::test_support

#include "temp_dir.h"

#include <iconv.h>
#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace milden::testing {

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

std::string ToCp932(std::string_view utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    const std::size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) throw std::runtime_error("text not representable in CP932");
    out.resize(out.size() - outLeft);
    return out;
}

LookupTables LoadFromFile(std::string_view utf8) {
    TempDir dir;
    LookupTables tables;
    LoadDataFile(tables, dir.Write("sorvane.dat", ToCp932(utf8)));
    return tables;
}

}  // namespace milden::testing

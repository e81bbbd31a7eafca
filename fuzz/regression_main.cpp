// Runs a fuzz target over every file of the given directories (or single files), so that
// reproducers and seeds are checked by an ordinary build and an ordinary test run. Finding no
// input at all fails: a moved seed directory must not pass as a clean run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void RunFile(const std::filesystem::path& file, int& count) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++count;
}

}  // namespace

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') RunFile(entry.path(), count);
        } else if (std::filesystem::is_regular_file(path)) {
            RunFile(path, count);
        }
    }
    if (count == 0) {
        std::fprintf(stderr, "no input found in the given paths\n");
        return 1;
    }
    std::printf("%d inputs ran clean\n", count);
    return 0;
}

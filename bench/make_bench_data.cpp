// Writes a benchmark data file:
//   make_bench_data FILE [MEBIBYTES]      the synthetic file, 48 MiB by default
//   make_bench_data --bundled-like FILE   a stand-in for data/sorvane.dat
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "bench/synthetic_data.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_bench_data FILE [MEBIBYTES] | make_bench_data --bundled-like FILE\n");
        return 2;
    }
    const bool bundledLike = std::string_view(argv[1]) == "--bundled-like";
    if (bundledLike && argc != 3) return 2;
    const char* path = bundledLike ? argv[2] : argv[1];
    const long megabytes = argc == 3 && !bundledLike ? std::strtol(argv[2], nullptr, 10) : 48;
    if (megabytes <= 0 || megabytes > 4096) {
        std::fprintf(stderr, "make_bench_data: MEBIBYTES must be 1 to 4096\n");
        return 2;
    }
    const std::string bytes = bundledLike ? milden::bench::MakeBundledLikeDataFile()
                                          : milden::bench::MakeSyntheticDataFile(static_cast<std::size_t>(megabytes) << 20);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_bench_data: cannot write %s\n", path);
        return 1;
    }
    return 0;
}

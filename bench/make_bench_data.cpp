// Writes the synthetic benchmark data file: make_bench_data FILE [MEGABYTES] (64 by default).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "synthetic_data.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_bench_data FILE [MEGABYTES]\n");
        return 2;
    }
    const long megabytes = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 64;
    if (megabytes <= 0 || megabytes > 4096) {
        std::fprintf(stderr, "make_bench_data: MEGABYTES must be 1 to 4096\n");
        return 2;
    }
    const std::string bytes = milden::bench::MakeSyntheticDataFile(static_cast<std::size_t>(megabytes) << 20);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_bench_data: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

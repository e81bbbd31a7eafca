// The loader on a large synthetic file, with and without an observer, against the same bytes
// decoded by iconv; and the load of the bundled file from memory.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <bit>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "lookup/lookup_tables.h"
#include "bench/synthetic_data.h"
#include "tests/support/temp_dir.h"

namespace milden::bench {
namespace {

constexpr std::size_t kSyntheticBytes = std::size_t{48} << 20;

// The synthetic file, written once to a temporary directory that goes away at exit.
class SyntheticFile {
public:
    SyntheticFile() {
        const std::string bytes = MakeSyntheticDataFile(kSyntheticBytes);
        size_ = bytes.size();
        path_ = dir_.Write("sorvane.dat", bytes);
    }
    const std::string& path() const { return path_; }
    std::size_t size() const { return size_; }

private:
    test_support::TempDir dir_;
    std::string path_;
    std::size_t size_ = 0;
};

const SyntheticFile& Synthetic() {
    static const SyntheticFile file;
    return file;
}

// Reads a file whole in 256 KiB reads, the loader's block size.
std::string ReadFile(const std::string& path) {
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return bytes;
    bytes.reserve(static_cast<std::size_t>(std::filesystem::file_size(path)));
    std::vector<char> chunk(std::size_t{1} << 18);
    for (ssize_t n; (n = ::read(fd, chunk.data(), chunk.size())) > 0;) bytes.append(chunk.data(), static_cast<std::size_t>(n));
    ::close(fd);
    return bytes;
}

// Counts the events, as the cheapest observer does.
class CountingObserver : public LoadObserver {
public:
    void OnLoadEvent(const LoadEvent&) override { ++events; }
    std::size_t events = 0;
};

void LoadSyntheticFile(benchmark::State& state, bool observed) {
    const SyntheticFile& file = Synthetic();
    CountingObserver observer;
    for (auto _ : state) {
        auto tables = std::make_unique<LookupTables>();
        ClearLoadedFlags(*tables);
        LoadDataFile(*tables, file.path(), observed ? &observer : nullptr);
        benchmark::DoNotOptimize(tables->ExceptionList090.empty());
        state.PauseTiming();  // freeing the tables is not part of the load
        tables.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    if (observed) state.counters["events"] = static_cast<double>(observer.events / state.iterations());
}
BENCHMARK_CAPTURE(LoadSyntheticFile, plain, false)->Name("load/synthetic_48MiB")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LoadSyntheticFile, observed, true)
    ->Name("load/synthetic_48MiB_observed")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The whole text decoded from code page 932 to UTF-16 by one iconv call (the file is valid).
std::u16string IconvDecode(iconv_t cd, const std::string& bytes) {
    std::u16string text(bytes.size(), u'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outLeft = text.size() * sizeof(char16_t);
    iconv(cd, &in, &inLeft, &out, &outLeft);
    text.resize(text.size() - outLeft / sizeof(char16_t));
    return text;
}

// The floor: the same bytes read the same way and decoded from code page 932 with iconv,
// nothing else.
void ReadAndDecodeSyntheticFile(benchmark::State& state) {
    const SyntheticFile& file = Synthetic();
    iconv_t cd = iconv_open(std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE", "CP932");
    for (auto _ : state) {
        const std::u16string text = IconvDecode(cd, ReadFile(file.path()));
        benchmark::DoNotOptimize(text.data());
    }
    iconv_close(cd);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(ReadAndDecodeSyntheticFile)->Name("floor/read_decode_48MiB")->Unit(benchmark::kMillisecond)->UseRealTime();

void LoadBundledFromMemory(benchmark::State& state) {
    std::string bytes = ReadFile(MILDEN_BUNDLED_DATA_FILE);
    const bool bundled = !bytes.empty();
    if (!bundled) bytes = MakeBundledLikeDataFile();
    state.SetLabel(bundled ? "data/sorvane.dat" : "generated stand-in: data/sorvane.dat is missing");
    for (auto _ : state) {
        LookupTables tables;
        ClearLoadedFlags(tables);
        LoadDataBytes(tables, bytes);
        benchmark::DoNotOptimize(tables.OperatorList090.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(LoadBundledFromMemory)->Name("load/bundled_from_memory")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace milden::bench

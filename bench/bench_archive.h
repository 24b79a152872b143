// What the archive benchmarks share: one synthetic year archive of 100,000
// receipts written once per run into a temporary folder, a cat-like read of
// a file, and a runner that times a piece of work against that read in the
// same iterations.
#pragma once

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "synthetic_archive.h"

namespace corvelo::bench {

inline constexpr std::size_t kBenchReceipts = 100000;

// The archive <temp>/2024.ric, removed with its folder at the end of the run.
class BenchArchive {
  public:
    BenchArchive() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvelo-bench-XXXXXX");
        dir_ = ::mkdtemp(pattern.data());
        path_ = dir_ / "2024.ric";
        if (!WriteSyntheticArchive(path_, 2024, kBenchReceipts)) std::abort();
    }
    ~BenchArchive() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    BenchArchive(const BenchArchive&) = delete;
    BenchArchive& operator=(const BenchArchive&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path dir_;
    std::filesystem::path path_;
};

inline const BenchArchive& TheArchive() {
    static BenchArchive archive;
    return archive;
}

// What cat does with the file: 128 KiB reads into a page-aligned buffer
// until the end (an unaligned buffer makes the same reads about three times
// slower, and would flatter the ratios).
inline void CatRead(const std::filesystem::path& path) {
    alignas(4096) static std::array<char, 128 * 1024> buffer;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) std::abort();
    std::size_t total = 0;
    ssize_t n;
    while ((n = ::read(fd, buffer.data(), buffer.size())) > 0) total += static_cast<std::size_t>(n);
    ::close(fd);
    benchmark::DoNotOptimize(total);
}

// Runs `work(path)` and `reference(path)` alternately on the archive; the
// counter `counter` is the ratio of their times and reference_ms the
// reference's time per iteration.
template <class Work, class Reference>
void AgainstReference(benchmark::State& state, const char* counter, Work&& work,
                      Reference&& reference) {
    const auto& path = TheArchive().path();
    using Clock = std::chrono::steady_clock;
    Clock::duration ref{};
    Clock::duration ours{};
    for (auto _ : state) {
        state.PauseTiming();
        const auto t0 = Clock::now();
        reference(path);
        ref += Clock::now() - t0;
        state.ResumeTiming();
        const auto t1 = Clock::now();
        work(path);
        ours += Clock::now() - t1;
    }
    state.counters["reference_ms"] = std::chrono::duration<double, std::milli>(ref).count() /
                                     static_cast<double>(state.iterations());
    state.counters[counter] =
        std::chrono::duration<double>(ours).count() / std::chrono::duration<double>(ref).count();
}

// The ratio of `work` to reading the file as cat does, as counter over_cat.
template <class Work>
void AgainstCat(benchmark::State& state, Work&& work) {
    AgainstReference(state, "over_cat", std::forward<Work>(work), CatRead);
}

}  // namespace corvelo::bench

// The whole-year scans of the receipt documents over an archive of 100,000
// receipts (about 300 MB): search, annual summary, unpaid list and export.
// Each benchmark also reads the file as cat does (128 KiB reads) in the
// same iterations; the counter over_cat is the ratio of the two times.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/documents/receipt_export.h"
#include "core/documents/receipt_search.h"
#include "core/documents/receipt_statistics.h"
#include "core/documents/receipt_summary.h"
#include "synthetic_archive.h"

namespace {

constexpr std::size_t kReceipts = 100000;

class Archive {
  public:
    Archive() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvelo-bench-XXXXXX");
        dir_ = ::mkdtemp(pattern.data());
        path_ = dir_ / "2024.ric";
        if (!corvelo::bench::WriteSyntheticArchive(path_, 2024, kReceipts)) std::abort();
    }
    ~Archive() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::filesystem::path& dir() const { return dir_; }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path dir_;
    std::filesystem::path path_;
};

const Archive& TheArchive() {
    static Archive archive;
    return archive;
}

// What cat does with the file: 128 KiB reads into a page-aligned buffer
// until the end (an unaligned buffer makes the same reads about three times
// slower, and would flatter the ratios).
void CatRead(const std::filesystem::path& path) {
    alignas(4096) static std::array<char, 128 * 1024> buffer;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) std::abort();
    std::size_t total = 0;
    ssize_t n;
    while ((n = ::read(fd, buffer.data(), buffer.size())) > 0) total += static_cast<std::size_t>(n);
    ::close(fd);
    benchmark::DoNotOptimize(total);
}

// Runs `work` and a cat-like read alternately, reporting their ratio.
template <class Work>
void AgainstCat(benchmark::State& state, Work&& work) {
    const auto& path = TheArchive().path();
    using Clock = std::chrono::steady_clock;
    Clock::duration cat{};
    Clock::duration ours{};
    for (auto _ : state) {
        state.PauseTiming();
        const auto t0 = Clock::now();
        CatRead(path);
        cat += Clock::now() - t0;
        state.ResumeTiming();
        const auto t1 = Clock::now();
        work(path);
        ours += Clock::now() - t1;
    }
    state.counters["cat_ms"] = std::chrono::duration<double, std::milli>(cat).count() /
                               static_cast<double>(state.iterations());
    state.counters["over_cat"] =
        std::chrono::duration<double>(ours).count() / std::chrono::duration<double>(cat).count();
}

void BM_Search(benchmark::State& state) {
    corvelo::ReceiptSearchTexts boxes;
    boxes[2] = "rossi";   // Cliente
    boxes[3] = "milano";  // CittaCliente
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::SearchReceipts(path, boxes);
        if (!result.status.ok() || result.lines.empty()) std::abort();
    });
}
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond);

void BM_SearchAll(benchmark::State& state) {
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::SearchReceipts(path, {});
        if (result.lines.size() != kReceipts) std::abort();
    });
}
BENCHMARK(BM_SearchAll)->Unit(benchmark::kMillisecond);

void BM_AnnualSummary(benchmark::State& state) {
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto s = corvelo::BuildSummary(path, {corvelo::SummaryKind::kAnnual, "", "2024"});
        if (!s.ok() || s.lines.size() != kReceipts) std::abort();
    });
}
BENCHMARK(BM_AnnualSummary)->Unit(benchmark::kMillisecond);

void BM_Unpaid(benchmark::State& state) {
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::UnpaidReceipts(path);
        if (!result.status.ok() || result.lines.empty()) std::abort();
    });
}
BENCHMARK(BM_Unpaid)->Unit(benchmark::kMillisecond);

void BM_Statistics(benchmark::State& state) {
    AgainstCat(state, [&](const std::filesystem::path& path) {
        if (!corvelo::BuildStatistics(path, "2024").ok()) std::abort();
    });
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

// Filling the grid, building the file and writing it (flushed to disk).
void BM_Export(benchmark::State& state) {
    const auto out = TheArchive().dir() / "Archivio_Ricevute.xls";
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto g = corvelo::FillReceiptExportGrid(path);
        if (!g.status.ok() || g.grid.RowCount() != kReceipts) std::abort();
        if (!corvelo::WriteReceiptExport(out, g.grid)) std::abort();
    });
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

// The two halves of the export: filling the grid when the screen is shown,
// and writing the file from it.
void BM_ExportGridOnly(benchmark::State& state) {
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto g = corvelo::FillReceiptExportGrid(path);
        if (!g.status.ok() || g.grid.RowCount() != kReceipts) std::abort();
    });
}
BENCHMARK(BM_ExportGridOnly)->Unit(benchmark::kMillisecond);

void BM_ExportFileOnly(benchmark::State& state) {
    const auto out = TheArchive().dir() / "Archivio_Ricevute.xls";
    const auto g = corvelo::FillReceiptExportGrid(TheArchive().path());
    AgainstCat(state, [&](const std::filesystem::path&) {
        if (!corvelo::WriteReceiptExport(out, g.grid)) std::abort();
    });
}
BENCHMARK(BM_ExportFileOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

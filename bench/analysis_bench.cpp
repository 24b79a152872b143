// The whole-year scans of the receipt documents over an archive of 100,000
// receipts (about 300 MB): search, annual summary, unpaid list and export.
// Each benchmark also reads the file as cat does (128 KiB reads) in the
// same iterations; the counter over_cat is the ratio of the two times.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_archive.h"
#include "core/documents/receipt_export.h"
#include "core/documents/receipt_search.h"
#include "core/documents/receipt_statistics.h"
#include "core/documents/receipt_summary.h"

namespace {

using corvelo::bench::AgainstCat;
using corvelo::bench::TheArchive;
constexpr std::size_t kReceipts = corvelo::bench::kBenchReceipts;

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

// The headless export: the file written from the archive as it is read.
void BM_ExportStreamed(benchmark::State& state) {
    const auto out = TheArchive().dir() / "Archivio_Ricevute.xls";
    AgainstCat(state, [&](const std::filesystem::path& path) {
        if (!corvelo::WriteReceiptExportFromArchive(path, out).ok()) std::abort();
    });
}
BENCHMARK(BM_ExportStreamed)->Unit(benchmark::kMillisecond);

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

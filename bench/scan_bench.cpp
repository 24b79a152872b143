// A full sequential scan of a year archive of 100,000 receipts, decoding
// every record, against a raw read of the same file in record-sized chunks.
// The counter scan_over_raw is the ratio of the two, measured in the same
// iterations.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_archive.h"
#include "core/storage/record_file.h"
#include "core/storage/ricevuta.h"

namespace {

using corvelo::bench::TheArchive;
constexpr std::size_t kReceipts = corvelo::bench::kBenchReceipts;

// Reads the whole file in 3077-byte chunks with plain read calls.
std::size_t RawRead(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) std::abort();
    char buffer[corvelo::TRicevuta::kSize];
    std::size_t chunks = 0;
    std::size_t checksum = 0;
    while (::read(fd, buffer, sizeof buffer) == static_cast<ssize_t>(sizeof buffer)) {
        checksum += static_cast<unsigned char>(buffer[0]);
        ++chunks;
    }
    ::close(fd);
    benchmark::DoNotOptimize(checksum);
    return chunks;
}

// Opens the archive as every screen does and decodes each record.
std::size_t Scan(const std::filesystem::path& path) {
    corvelo::RecordFile file;
    if (!file.OpenOrCreate(path, corvelo::TRicevuta::kSize).ok()) std::abort();
    std::string bytes;
    corvelo::TRicevuta receipt;
    std::size_t records = 0;
    std::size_t checksum = 0;
    while (!file.AtEnd()) {
        if (!file.ReadRecord(bytes).ok()) std::abort();
        corvelo::DecodeRecord(bytes, receipt);
        checksum += receipt[corvelo::TRicevuta::Totale].size();
        ++records;
    }
    if (!file.CloseRecordFile().ok()) std::abort();
    benchmark::DoNotOptimize(checksum);
    return records;
}

void BM_RawRead(benchmark::State& state) {
    const auto& path = TheArchive().path();
    for (auto _ : state) {
        if (RawRead(path) != kReceipts) std::abort();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kReceipts));
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

void BM_ScanDecode(benchmark::State& state) {
    corvelo::bench::AgainstReference(
        state, "scan_over_raw",
        [](const std::filesystem::path& path) {
            if (Scan(path) != kReceipts) std::abort();
        },
        RawRead);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kReceipts));
}
BENCHMARK(BM_ScanDecode)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

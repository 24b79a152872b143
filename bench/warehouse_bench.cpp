// The warehouse lists over 100,000 item cards (about 490 MB): the low-stock
// list and item searches. Each benchmark also reads the file as cat does in
// the same iterations; the counter over_cat is the ratio of the two times.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "bench_archive.h"
#include "core/warehouse/item_lists.h"
#include "synthetic_warehouse.h"

namespace {

constexpr std::size_t kItems = 100000;

// <temp>/Magazzino.pro, removed with its folder at the end of the run.
class BenchWarehouse {
  public:
    BenchWarehouse() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvelo-bench-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        path_ = dir_ / "Magazzino.pro";
        if (!corvelo::bench::WriteSyntheticWarehouse(path_, kItems)) std::abort();
    }
    ~BenchWarehouse() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    BenchWarehouse(const BenchWarehouse&) = delete;
    BenchWarehouse& operator=(const BenchWarehouse&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path dir_;
    std::filesystem::path path_;
};

const std::filesystem::path& Warehouse() {
    static BenchWarehouse warehouse;
    return warehouse.path();
}

// Runs `work(path)` and a cat-like read of the same file alternately; the
// counter over_cat is the ratio of their times, cat_ms the read's time.
template <class Work>
void AgainstCat(benchmark::State& state, Work&& work) {
    const auto& path = Warehouse();
    using Clock = std::chrono::steady_clock;
    Clock::duration cat{};
    Clock::duration ours{};
    for (auto _ : state) {
        state.PauseTiming();
        const auto t0 = Clock::now();
        corvelo::bench::CatRead(path);
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

void BM_LowStockList(benchmark::State& state) {
    std::size_t lines = 0;
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::LowStockList(path);
        if (!result.status.ok() || result.lines.empty()) std::abort();
        lines = result.lines.size();
    });
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_LowStockList)->Unit(benchmark::kMillisecond);

// Supplier and description, as a user narrows a search down.
void BM_ItemSearch(benchmark::State& state) {
    corvelo::ItemSearchTexts boxes;
    boxes[6] = "ferr";  // Fornitore
    boxes[4] = "vite";  // Descrizione
    std::size_t lines = 0;
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::SearchItems(path, boxes, corvelo::ItemLineKind::kCard);
        if (!result.status.ok() || result.lines.empty()) std::abort();
        lines = result.lines.size();
    });
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ItemSearch)->Unit(benchmark::kMillisecond);

// Every box empty: the whole warehouse listed and sorted.
void BM_ItemSearchAll(benchmark::State& state) {
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::SearchItems(path, {}, corvelo::ItemLineKind::kCard);
        if (result.lines.size() != kItems) std::abort();
    });
}
BENCHMARK(BM_ItemSearchAll)->Unit(benchmark::kMillisecond);

// The import window's search on a code fragment.
void BM_ItemImportSearch(benchmark::State& state) {
    corvelo::ItemSearchTexts boxes;
    boxes[0] = "art-1";  // Codice
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::SearchItems(path, boxes, corvelo::ItemLineKind::kImport);
        if (result.lines.empty()) std::abort();
    });
}
BENCHMARK(BM_ItemImportSearch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

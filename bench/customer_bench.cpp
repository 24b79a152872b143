// The whole-archive scans of the customer area over 100,000 customers (about
// 400 MB): the list of instalments due, the customer search (a few criteria,
// and every card with none) and the export grid. Each also reads the file as
// cat does in the same iterations; the counter over_cat is the ratio of the
// two times.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "bench_archive.h"
#include "core/customers/customer_export.h"
#include "core/customers/customer_lists.h"
#include "synthetic_customers.h"

namespace {

constexpr std::size_t kCustomers = 100000;

// <temp>/Clienti.pro, removed with its folder at the end of the run.
class CustomerArchive {
  public:
    CustomerArchive() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvelo-bench-XXXXXX");
        dir_ = ::mkdtemp(pattern.data());
        path_ = dir_ / "Clienti.pro";
        if (!corvelo::bench::WriteSyntheticCustomers(path_, kCustomers)) std::abort();
    }
    ~CustomerArchive() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path dir_;
    std::filesystem::path path_;
};

const CustomerArchive& TheCustomers() {
    static CustomerArchive archive;
    return archive;
}

// Runs `work` and the cat-like read alternately; over_cat is the ratio of
// their times, reference_ms the read's time per iteration.
template <class Work>
void AgainstCat(benchmark::State& state, Work&& work) {
    const auto& path = TheCustomers().path();
    using Clock = std::chrono::steady_clock;
    Clock::duration ref{};
    Clock::duration ours{};
    for (auto _ : state) {
        state.PauseTiming();
        const auto t0 = Clock::now();
        corvelo::bench::CatRead(path);
        ref += Clock::now() - t0;
        state.ResumeTiming();
        const auto t1 = Clock::now();
        work(path);
        ours += Clock::now() - t1;
    }
    state.counters["reference_ms"] = std::chrono::duration<double, std::milli>(ref).count() /
                                     static_cast<double>(state.iterations());
    state.counters["over_cat"] =
        std::chrono::duration<double>(ours).count() / std::chrono::duration<double>(ref).count();
}

void BM_DueList(benchmark::State& state) {
    const std::chrono::year_month_day today{std::chrono::year{2024}, std::chrono::month{1},
                                            std::chrono::day{1}};
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto list = corvelo::BuildDueList(path, today);
        if (!list.status.ok() || list.lines.empty() || !list.skipped.empty()) std::abort();
        benchmark::DoNotOptimize(list.lines.size());
    });
}
BENCHMARK(BM_DueList)->Unit(benchmark::kMillisecond);

void BM_CustomerSearch(benchmark::State& state) {
    corvelo::CustomerSearchTexts boxes;
    boxes[0] = "ross";    // Cognome
    boxes[6] = "centro";  // Zona
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::SearchCustomers(path, boxes);
        if (!result.status.ok() || result.lines.empty()) std::abort();
    });
}
BENCHMARK(BM_CustomerSearch)->Unit(benchmark::kMillisecond);

void BM_CustomerSearchAll(benchmark::State& state) {
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto result = corvelo::SearchCustomers(path, {});
        if (result.lines.size() != kCustomers) std::abort();
    });
}
BENCHMARK(BM_CustomerSearchAll)->Unit(benchmark::kMillisecond);

void BM_CustomerExportGrid(benchmark::State& state) {
    AgainstCat(state, [&](const std::filesystem::path& path) {
        const auto g = corvelo::FillCustomerExportGrid(path);
        if (!g.status.ok() || g.grid.RowCount() != kCustomers) std::abort();
    });
}
BENCHMARK(BM_CustomerExportGrid)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Whole commands of corvelo-cli over an archive of 100,000 receipts (about
// 300 MB), each run as a separate process with its output sent to /dev/null
// and timed against `cat` of the same archive spawned in the same iteration.
// Build it in a Release tree of its own and run it with the page cache warm:
//     cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCORVELO_GUI=OFF
//     cmake --build build-release --target cli_bench corvelo-cli
//     build-release/bench/cli_bench
// Every repetition is one run of cat and one of the command; the aggregates
// give the min, median and max over the repetitions (9 unless
// --benchmark_repetitions says otherwise). Counters: over_cat is the ratio
// of wall times, cpu_over_cat that of user plus system times (the fairer
// figure on a loaded machine), cat_ms and cpu_ms the reference's and the
// command's times. CORVELO_CLI=path runs another corvelo-cli.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_archive.h"

extern char** environ;

namespace {

using corvelo::bench::TheArchive;

struct Times {
    double wall = 0;  // seconds
    double cpu = 0;   // user plus system seconds of the process
};

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Runs `args` (found on PATH) with standard output into `out`; aborts
// unless it exits with status 0.
Times Run(const std::vector<std::string>& args, const char* out = "/dev/null") {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out, O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cli_bench: cannot start %s\n", argv[0]);
        std::abort();
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid) std::abort();
    Times t;
    t.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    t.cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "cli_bench: %s %s failed\n", argv[0], args.size() > 3 ? argv[3] : "");
        std::abort();
    }
    return t;
}

std::string Cli() {
    if (const char* cli = std::getenv("CORVELO_CLI")) return cli;
    return CORVELO_CLI_PATH;
}

std::vector<std::string> Command(std::vector<std::string> words) {
    words.insert(words.begin(), {Cli(), "--dir", TheArchive().dir().string()});
    return words;
}

// Lines the command writes into a regular file: the listings are checked
// once before they are timed, so that a command that printed nothing could
// not pass for a fast one.
std::size_t LinesToFile(const std::vector<std::string>& command) {
    const auto file = TheArchive().dir() / "listing.txt";
    Run(command, file.c_str());
    std::ifstream in(file, std::ios::binary);
    const auto lines = static_cast<std::size_t>(
        std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
    std::filesystem::remove(file);
    return lines;
}

void AgainstCat(benchmark::State& state, const std::vector<std::string>& command,
                std::size_t min_lines) {
    if (min_lines != 0 && LinesToFile(command) < min_lines) {
        state.SkipWithError("the command printed too few lines");
        return;
    }
    const std::vector<std::string> cat = {"cat", TheArchive().path().string()};
    Run(cat);  // the archive into the page cache
    Times ref;
    Times ours;
    for (auto _ : state) {
        const Times c = Run(cat);
        const Times t = Run(command);
        ref.wall += c.wall;
        ref.cpu += c.cpu;
        ours.wall += t.wall;
        ours.cpu += t.cpu;
        state.SetIterationTime(t.wall);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["over_cat"] = ours.wall / ref.wall;
    state.counters["cpu_over_cat"] = ours.cpu / ref.cpu;
    state.counters["cat_ms"] = 1000 * ref.wall / n;
    state.counters["cpu_ms"] = 1000 * ours.cpu / n;
}

constexpr std::size_t kReceipts = corvelo::bench::kBenchReceipts;

void BM_CliSummaryAnnual(benchmark::State& state) {
    AgainstCat(state, Command({"summary", "2024", "--annual"}), kReceipts + 6);
}

void BM_CliUnpaid(benchmark::State& state) {
    AgainstCat(state, Command({"unpaid", "2024"}), 1);
}

void BM_CliSearch(benchmark::State& state) {
    AgainstCat(
        state,
        Command({"search", "receipts", "2024", "--Cliente", "rossi", "--CittaCliente", "milano"}),
        2);
}

void BM_CliSearchAll(benchmark::State& state) {
    AgainstCat(state, Command({"search", "receipts", "2024"}), kReceipts + 1);
}

// The file is flushed to disk before it is renamed into place; from the
// second run on, the rename replaces the file of the run before (as a user's
// repeated export does), and the file system then frees its 100 MB.
void BM_CliExport(benchmark::State& state) {
    const auto command = Command({"export", "receipts", "2024"});
    // Checked once before it is timed: the markup of a row's 17 cells alone
    // is over 850 bytes, so a file with every row cannot be smaller.
    Run(command);
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(TheArchive().dir() / "Archivio_Ricevute.xls", ec);
    if (ec || bytes < kReceipts * 850) {
        state.SkipWithError("the export wrote too few rows");
        return;
    }
    AgainstCat(state, command, 0);
}

double Min(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}
double Max(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

void Register(const char* name, void (*fn)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, fn)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->ComputeStatistics("min", Min)
        ->ComputeStatistics("max", Max);
}

}  // namespace

int main(int argc, char** argv) {
    Register("CliSummaryAnnual", BM_CliSummaryAnnual);
    Register("CliUnpaid", BM_CliUnpaid);
    Register("CliSearch", BM_CliSearch);
    Register("CliSearchAll", BM_CliSearchAll);
    Register("CliExport", BM_CliExport);
    // Defaults first, so that the caller's flags win.
    std::vector<char*> args = {argv[0], const_cast<char*>("--benchmark_repetitions=9"),
                               const_cast<char*>("--benchmark_report_aggregates_only=true")};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

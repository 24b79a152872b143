// Filling a screen's result list with the lines of a whole-year scan of
// 100,000 receipts: handing the lines to the list model, the view laying
// them out and painting what is visible. Each benchmark times the filling
// against the scan that produced the lines, in the same iterations; the
// counter fill_over_scan is the ratio of the two.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_archive.h"
#include "core/documents/receipt_export.h"
#include "core/documents/receipt_search.h"
#include "core/documents/receipt_summary.h"
#include "gui/app/services.h"
#include "gui/kit/export_screen.h"
#include "gui/kit/list_screen.h"

namespace {

using corvelo::bench::AgainstReference;
using corvelo::bench::TheArchive;
constexpr std::size_t kReceipts = corvelo::bench::kBenchReceipts;

// A window holding one list screen, shown as a user sees it.
struct ListWindow {
    ListWindow() : services(QStringLiteral(".")) {
        list = new corvelo::ListScreen(services, &window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list->List());
        window.resize(1200, 700);
        window.show();
        QCoreApplication::processEvents();
    }
    // What the screen does with its new lines, up to the first painting.
    void Fill(std::vector<std::string> lines) {
        list->SetLines(std::move(lines));
        QCoreApplication::processEvents();
        list->List()->viewport()->repaint();
    }
    corvelo::DesktopServices services;
    QWidget window;
    corvelo::ListScreen* list;
};

void BM_FillSearchList(benchmark::State& state) {
    ListWindow w;
    const std::vector<std::string> lines =
        corvelo::SearchReceipts(TheArchive().path(), {}).lines.ToVector();
    if (lines.size() != kReceipts) std::abort();
    AgainstReference(
        state, "fill_over_scan",
        [&](const std::filesystem::path&) {
            w.Fill(lines);
            if (w.list->Count() != kReceipts) std::abort();
        },
        [](const std::filesystem::path& path) {
            benchmark::DoNotOptimize(corvelo::SearchReceipts(path, {}).lines.size());
        });
}
BENCHMARK(BM_FillSearchList)->Unit(benchmark::kMillisecond);

// The summary hands over its LineList, which the list turns into lines.
void BM_FillSummaryList(benchmark::State& state) {
    ListWindow w;
    const corvelo::SummaryRequest request{corvelo::SummaryKind::kAnnual, "", "2024"};
    const corvelo::LineList lines = corvelo::BuildSummary(TheArchive().path(), request).lines;
    if (lines.size() != kReceipts) std::abort();
    AgainstReference(
        state, "fill_over_scan",
        [&](const std::filesystem::path&) {
            w.list->SetLines(lines);
            QCoreApplication::processEvents();
            w.list->List()->viewport()->repaint();
        },
        [&](const std::filesystem::path& path) {
            benchmark::DoNotOptimize(corvelo::BuildSummary(path, request).lines.size());
        });
}
BENCHMARK(BM_FillSummaryList)->Unit(benchmark::kMillisecond);

// The export screen's grid: the grid read from the archive, handed to the
// table model, laid out and painted.
class GridWindow : public corvelo::ExportScreen {
  public:
    explicit GridWindow(corvelo::Services& services)
        : ExportScreen(services, {"TfrmBench", "bench", corvelo::HelpTopic::ExpRicevute, "x.xls"},
                       Columns(), nullptr) {}
    corvelo::TextGrid next{18};

  protected:
    corvelo::TextGrid ReadGrid() override { return std::move(next); }
    bool WriteFile(const std::filesystem::path&, const corvelo::TextGrid&) override { return true; }

  private:
    static std::vector<corvelo::TextGridModel::Column> Columns() {
        std::vector<corvelo::TextGridModel::Column> columns;
        for (const auto& c : corvelo::kReceiptExportColumns)
            columns.push_back({c.header, c.screen_width});
        return columns;
    }
};

void BM_FillExportGrid(benchmark::State& state) {
    corvelo::DesktopServices services(QStringLiteral("."));
    GridWindow w(services);
    w.show();
    QCoreApplication::processEvents();
    const corvelo::TextGrid grid = corvelo::FillReceiptExportGrid(TheArchive().path()).grid;
    if (grid.RowCount() != kReceipts) std::abort();
    AgainstReference(
        state, "fill_over_scan",
        [&](const std::filesystem::path&) {
            w.next = grid;
            w.FillGrid();
            QCoreApplication::processEvents();
            w.repaint();
            if (w.Grid().RowCount() != kReceipts) std::abort();
        },
        [](const std::filesystem::path& path) {
            benchmark::DoNotOptimize(corvelo::FillReceiptExportGrid(path).grid.RowCount());
        });
}
BENCHMARK(BM_FillExportGrid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

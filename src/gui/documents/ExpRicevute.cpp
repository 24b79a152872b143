#include "gui/documents/ExpRicevute.h"

#include <array>

#include "core/documents/receipt_export.h"
#include "core/warehouse/spreadsheet_export.h"
#include "gui/app/services.h"
#include "gui/documents/editor_archive.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

std::array<TextGridModel::Column, 18> GridColumns() {
    std::array<TextGridModel::Column, 18> columns{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i] = {kReceiptExportColumns[i].header, kReceiptExportColumns[i].screen_width};
    }
    return columns;
}

constexpr ExportScreenTexts kTexts = {"TfrmExpRicevute",
                                      " Esporta archivio ricevute in Microsoft Excel",
                                      HelpTopic::ExpRicevute, kReceiptExportFileName};

}  // namespace

TfrmExpRicevute::TfrmExpRicevute(Services& services, QWidget& editor, QWidget* parent)
    : ExportScreen(services, kTexts, GridColumns(), parent), editor_(editor) {}

TextGrid TfrmExpRicevute::ReadGrid() {
    ReceiptExportGrid filled = FillReceiptExportGrid(EditorArchive(editor_, services_));
    return Filled(std::move(filled.grid), filled.status);
}

bool TfrmExpRicevute::WriteFile(const std::filesystem::path& file, const TextGrid& grid) {
    return WriteReceiptExport(file, grid);
}

}  // namespace corvelo

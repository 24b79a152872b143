#include "gui/warehouse/ExpMagazzino.h"

#include <array>

#include "core/warehouse/warehouse_export.h"
#include "gui/warehouse/Magazzino.h"

namespace corvelo {
namespace {

std::array<TextGridModel::Column, 24> GridColumns() {
    std::array<TextGridModel::Column, 24> columns{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const WarehouseExportColumn& c = kWarehouseExportColumns[i];
        columns[i] = {c.header, c.screen_width, c.editable};
    }
    return columns;
}

constexpr ExportScreenTexts kTexts = {"TfrmExpMagazzino", kWarehouseExportCaption.data(),
                                      HelpTopic::ExpMagazzino, kWarehouseExportFileName};

}  // namespace

TfrmExpMagazzino::TfrmExpMagazzino(Services& services, QWidget* parent)
    : ExportScreen(services, kTexts, GridColumns(), parent) {}

TextGrid TfrmExpMagazzino::ReadGrid() {
    WarehouseExportGrid filled = FillWarehouseExportGrid(WarehouseArchive(services_));
    return Filled(std::move(filled.grid), filled.status);
}

bool TfrmExpMagazzino::WriteFile(const std::filesystem::path& file, const TextGrid& grid) {
    return WriteWarehouseExport(file, WithEdits(grid, Edits()));
}

}  // namespace corvelo

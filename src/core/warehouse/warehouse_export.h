// The warehouse export (TfrmExpMagazzino): the grid of the export screen,
// the cells the user may change in it, and Magazzino.xls written from it.
// Magazzino.pro is only read.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "core/storage/articolo.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"
#include "core/warehouse/spreadsheet_export.h"

namespace corvelo {

inline constexpr std::string_view kWarehouseExportCaption =
    " Esporta archivio prodotti e servizi in Microsoft Excel";
inline constexpr std::string_view kWarehouseExportFileName = "Magazzino.xls";
inline constexpr std::string_view kWarehouseExportWorksheet = "Magazzino";

// The 24 grid columns; column 0 is the row number "N." (no field, never
// exported).
struct WarehouseExportColumn {
    std::string_view control;  // "colCodice"
    std::string_view header;   // grid header
    int screen_width;
    TArticolo::Field field;  // unused for column 0
    bool editable;           // the user may type into its cells
    std::string_view exported_header;
    int exported_width;
};
extern const std::array<WarehouseExportColumn, 24> kWarehouseExportColumns;

// The header cells of the file, in column order (23).
std::array<SpreadsheetColumn, 23> WarehouseExportHeaders();

struct WarehouseExportGrid {
    TextGrid grid{24};
    Status status;  // a failure keeps the rows read before it
};

// Fills the grid from Magazzino.pro at `path` (created empty when missing):
// one row per card with its number and its trimmed fields; an empty archive
// leaves the ten empty rows the grid starts with.
WarehouseExportGrid FillWarehouseExportGrid(const std::filesystem::path& path,
                                            FileSystem& fs = DefaultFileSystem());

// Cells typed into the grid, by (row, column).
using GridEdits = std::map<std::pair<std::size_t, std::size_t>, std::string>;

// True for the columns whose cells accept typing: Accessori, Altezza,
// Larghezza, Lunghezza, Scadenza.
bool WarehouseColumnEditable(std::size_t column);

// `grid` with the typed cells in place of what was read; edits of other
// columns or outside the grid are ignored.
TextGrid WithEdits(const TextGrid& grid, const GridEdits& edits);

// The bytes of Magazzino.xls for `grid`.
std::string WarehouseExportBytes(const TextGrid& grid);

// Writes Magazzino.xls (or any `file`) for `grid`, replacing it whole;
// false when it cannot be written (the old file then stays).
bool WriteWarehouseExport(const std::filesystem::path& file, const TextGrid& grid);

}  // namespace corvelo

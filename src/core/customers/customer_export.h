// The customer archive export: the grid of the export screen and the
// spreadsheet file Clienti.xls written from it.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/storage/cliente.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"
#include "core/warehouse/spreadsheet_export.h"

namespace corvelo {

inline constexpr std::string_view kCustomerExportCaption =
    " Esporta archivio clienti in Microsoft Excel";
inline constexpr std::string_view kCustomerExportFileName = "Clienti.xls";
inline constexpr std::string_view kCustomerExportWorksheet = "Riepilogo Clienti";

// The 26 grid columns; column 0 is the row number "N." (no field, never
// exported). Column 1 joins Cognome and Nome.
struct CustomerExportColumn {
    std::string_view header;  // grid header
    TCliente::Field field;    // unused for columns 0 and 1
    std::string_view exported_header;
    int exported_width;
};
extern const std::array<CustomerExportColumn, 26> kCustomerExportColumns;

// The header cells of the file, in column order (25).
std::array<SpreadsheetColumn, 25> CustomerExportHeaders();

struct CustomerExportGrid {
    TextGrid grid{26};
    // A file failure: the grid is then the ten empty rows it starts with,
    // never a part of the archive presented as the whole of it; the screen
    // shows kMsgEsportaFallita and should not write the file from it.
    Status status;
};

// Fills the grid from Clienti.pro at `path` (created empty when missing): one
// row per card with its number and its trimmed fields; an empty archive
// leaves the ten empty rows.
CustomerExportGrid FillCustomerExportGrid(const std::filesystem::path& path,
                                          FileSystem& fs = DefaultFileSystem());

// The bytes of Clienti.xls for `grid`.
std::string CustomerExportBytes(const TextGrid& grid);

// Writes Clienti.xls (or any `file`) for `grid`, replacing it whole; false
// when it cannot be written (the old file then stays).
bool WriteCustomerExport(const std::filesystem::path& file, const TextGrid& grid);

}  // namespace corvelo

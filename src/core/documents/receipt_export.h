// The receipt archive export: the grid of the export screen and the
// spreadsheet file written from it.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "core/storage/file_system.h"
#include "core/storage/ricevuta.h"
#include "core/storage/status.h"
#include "core/warehouse/spreadsheet_export.h"

namespace corvelo {

inline constexpr std::string_view kReceiptExportFileName = "Archivio_Ricevute.xls";
inline constexpr std::string_view kReceiptExportWorksheet = "Archivio Ricevute";

// The 18 grid columns; column 0 is the row number "N." (no field, never
// exported).
struct ReceiptExportColumn {
    std::string_view header;  // grid header
    int screen_width;
    TRicevuta::Field field;  // unused for column 0
    std::string_view exported_header;
    int exported_width;
};
extern const std::array<ReceiptExportColumn, 18> kReceiptExportColumns;

// The header cells of the file, in column order (17).
std::array<SpreadsheetColumn, 17> ReceiptExportHeaders();

struct ReceiptExportGrid {
    TextGrid grid{18};
    Status status;  // a failure keeps the rows read before it
};

// Fills the grid from the archive at `path` (created empty when missing):
// one row per record with its number and its trimmed fields; an empty
// archive leaves the ten empty rows the grid starts with.
ReceiptExportGrid FillReceiptExportGrid(const std::filesystem::path& path,
                                        FileSystem& fs = DefaultFileSystem());

// The bytes of Archivio_Ricevute.xls for `grid`.
std::string ReceiptExportBytes(const TextGrid& grid);

// Writes Archivio_Ricevute.xls (or any `file`) for `grid`, replacing it
// whole; false when it cannot be written (the old file then stays).
bool WriteReceiptExport(const std::filesystem::path& file, const TextGrid& grid);

struct ReceiptExportWrite {
    Status archive;  // reading the archive
    Status file;     // replacing the file; ok when the archive failed first
    bool ok() const { return archive.ok() && file.ok(); }
};

// Writes Archivio_Ricevute.xls (or any `file`) straight from the archive at
// `archive` (created empty when missing), each row as its record is read:
// the bytes of FillReceiptExportGrid then WriteReceiptExport, without the
// grid in memory. On any failure the old file stays as it was.
ReceiptExportWrite WriteReceiptExportFromArchive(const std::filesystem::path& archive,
                                                 const std::filesystem::path& file,
                                                 FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

// The spreadsheet file format of every export (warehouse, customers,
// receipts): one HTML table with the Office workbook conventions, written as
// Windows-1252 bytes without a single line break, under a ".xls" name.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/storage/file_replace.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kMsgEsportaConferma =
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero "
    "di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?";
inline constexpr std::string_view kMsgEsportaRiuscita =
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di "
    "Excel?";
inline constexpr std::string_view kMsgEsportaFallita =
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di "
    "Excel non sia già aperto.";
inline constexpr std::string_view kExportIdleInfo = "Esportazione archivio in Microsoft Excel.";

// The rows of an export grid, cells as UTF-8 texts, kept in one buffer.
// Column 0 is the row number "N.", which is shown but never exported.
class TextGrid {
  public:
    static constexpr std::size_t kInitialRows = 10;

    explicit TextGrid(std::size_t columns) : columns_(columns) { SetRowCount(kInitialRows); }

    std::size_t ColumnCount() const { return columns_; }
    std::size_t RowCount() const { return rows_; }
    std::string_view Cell(std::size_t row, std::size_t column) const {
        const std::size_t i = row * columns_ + column;
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

    // Drops every row and makes `rows` empty ones.
    void SetRowCount(std::size_t rows);
    // Drops every row (to refill them with AddRow).
    void Clear();
    // Appends a row; cells are added in column order with AddCell (or by
    // appending to OpenCell() and calling CloseCell()).
    // Makes room for `rows` rows of about `bytes_per_row` bytes.
    void Reserve(std::size_t rows, std::size_t bytes_per_row) {
        ends_.reserve(rows * columns_);
        text_.reserve(rows * bytes_per_row);
    }
    void AddCell(std::string_view text) {
        text_ += text;
        CloseCell();
    }
    std::string& OpenCell() { return text_; }
    void CloseCell();

  private:
    std::size_t columns_;
    std::size_t rows_ = 0;
    std::size_t cells_in_row_ = 0;
    std::string text_;
    std::vector<std::size_t> ends_;
};

// One exported column's header cell.
struct SpreadsheetColumn {
    std::string_view title;
    int width;
};

// The file bytes for `grid` (columns 1.. exported under `headers`, one per
// exported column) with worksheet `worksheet`. Cell texts are trimmed and
// written with &, <, > and " as entities, so that a spreadsheet program reads
// back what the cell holds; data cells carry the text number format so that
// codes such as a partita IVA with a leading zero stay texts.
std::string SpreadsheetBytes(std::string_view worksheet, std::span<const SpreadsheetColumn> headers,
                             const TextGrid& grid);

// Replaces the file at `path` with `bytes` through ReplaceFile. On failure
// (also a file there that is marked read-only) the old file is left as it
// was and false is returned.
bool WriteSpreadsheetFile(const std::filesystem::path& path, std::string_view bytes);

// The same for the file of `grid`, streamed to the disk without building
// the whole file in memory first (an archive of 100,000 receipts makes a
// file of about 100 MB): its first blocks are on their way to the disk
// while the rest is built.
bool WriteSpreadsheetFile(const std::filesystem::path& path, std::string_view worksheet,
                          std::span<const SpreadsheetColumn> headers, const TextGrid& grid);

// The data rows of a file written as they are produced, for an export that
// writes while it reads its archive and so never holds the rows in memory.
class SpreadsheetRowWriter {
  public:
    SpreadsheetRowWriter(const SpreadsheetRowWriter&) = delete;
    SpreadsheetRowWriter& operator=(const SpreadsheetRowWriter&) = delete;

    // Appends a data cell to the current row: `cp1252` is Windows-1252
    // bytes (an archive field as stored), trimmed and escaped as a grid
    // cell is, so that a cell gives the bytes its UTF-8 text would.
    void Cell(std::string_view cp1252);
    // Ends the current row.
    void EndRow();

    // False once the file can no longer be written (a producer may stop).
    bool ok() const { return sink_.ok(); }

  private:
    friend Status WriteSpreadsheetRows(const std::filesystem::path&, std::string_view,
                                       std::span<const SpreadsheetColumn>,
                                       const std::function<Status(SpreadsheetRowWriter&)>&,
                                       FileSystem&);
    explicit SpreadsheetRowWriter(FileSink& sink) : sink_(sink) {}

    FileSink& sink_;
    bool in_row_ = false;
    std::size_t rows_ = 0;
};

// Replaces the file at `path` through ReplaceFile with the file whose data
// rows `rows` writes into the writer it is given, streamed to the disk as
// they come. A failure that `rows` returns gives the replacement up (the old
// file stays) and is returned; so is a failure of the replacement itself.
// A file without data rows gets the TextGrid::kInitialRows empty rows of
// headers.size() cells that a grid starts with, as the screens write it.
Status WriteSpreadsheetRows(const std::filesystem::path& path, std::string_view worksheet,
                            std::span<const SpreadsheetColumn> headers,
                            const std::function<Status(SpreadsheetRowWriter&)>& rows,
                            FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

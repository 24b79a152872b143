#include "core/documents/receipt_export.h"

#include "core/storage/archive_scan.h"

namespace corvelo {

using R = TRicevuta;

const std::array<ReceiptExportColumn, 18> kReceiptExportColumns = {{
    {"N.", 60, R::NumRic, "", 0},
    {"Ricevuta n.", 150, R::NumRic, "Ricevuta n.", 180},
    {"Data emissione", 120, R::Data, "Data emissione", 180},
    {"Riferimenti", 200, R::Riferimenti, "Riferimenti", 250},
    {"Modalità di pagamento", 200, R::Pagamento, "Modalità di pagamento", 250},
    {"Banca d'appoggio", 200, R::Banca, "Banca d'appoggio", 250},
    {"Cognome e nome Cliente", 250, R::Cliente, "Cognome e nome Cliente", 250},
    {"Via e numero civico", 250, R::ViaCliente, "Via e numero civico", 250},
    {"Città di residenza", 250, R::CittaCliente, "Città di residenza", 250},
    {"Prov.", 80, R::ProvCliente, "Prov.", 120},
    {"Partita IVA", 200, R::IvaCliente, "Partita IVA", 200},
    {"Codice fiscale", 200, R::CodFiscCliente, "Codice fiscale", 200},
    {"Note", 350, R::Note, "Note", 350},
    {"Tot. corrispettivi", 180, R::TotCorrispettivi, "Tot. corrispettivi", 180},
    {"Acconti", 180, R::Acconti, "Acconti", 180},
    {"Imposta di bollo", 180, R::Tassa, "Imposta di bollo", 180},
    {"Totale saldato", 180, R::Totale, "Totale saldato", 180},
    {"Saldata", 80, R::Saldata, "Saldata", 80},
}};

std::array<SpreadsheetColumn, 17> ReceiptExportHeaders() {
    std::array<SpreadsheetColumn, 17> h;
    for (std::size_t c = 1; c < kReceiptExportColumns.size(); ++c) {
        h[c - 1] = {kReceiptExportColumns[c].exported_header,
                    kReceiptExportColumns[c].exported_width};
    }
    return h;
}

ReceiptExportGrid FillReceiptExportGrid(const std::filesystem::path& path, FileSystem& fs) {
    ReceiptExportGrid out;
    bool first = true;
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(path, ec);
    if (!ec) out.grid.Reserve(static_cast<std::size_t>(bytes / R::kSize), 192);
    out.status = ArchiveReader::Scan(
        path, R::kSize,
        [&](const char* record, std::size_t card) {
            if (first) {
                out.grid.Clear();
                first = false;
            }
            out.grid.AddCell(std::to_string(card));
            for (std::size_t c = 1; c < kReceiptExportColumns.size(); ++c) {
                const RecordField& f = R::kFields[kReceiptExportColumns[c].field];
                AppendCp1252(RawField(record, f), out.grid.OpenCell());
                out.grid.CloseCell();
            }
        },
        fs);
    return out;
}

std::string ReceiptExportBytes(const TextGrid& grid) {
    const auto headers = ReceiptExportHeaders();
    return SpreadsheetBytes(kReceiptExportWorksheet, headers, grid);
}

bool WriteReceiptExport(const std::filesystem::path& file, const TextGrid& grid) {
    const auto headers = ReceiptExportHeaders();
    return WriteSpreadsheetFile(file, kReceiptExportWorksheet, headers, grid);
}

ReceiptExportWrite WriteReceiptExportFromArchive(const std::filesystem::path& archive,
                                                 const std::filesystem::path& file,
                                                 FileSystem& fs) {
    ReceiptExportWrite out;
    const auto headers = ReceiptExportHeaders();
    const Status written = WriteSpreadsheetRows(
        file, kReceiptExportWorksheet, headers,
        [&](SpreadsheetRowWriter& rows) {
            out.archive = ArchiveReader::Scan(
                archive, R::kSize,
                [&](const char* record, std::size_t) {
                    for (std::size_t c = 1; c < kReceiptExportColumns.size(); ++c) {
                        rows.Cell(RawField(record, R::kFields[kReceiptExportColumns[c].field]));
                    }
                    rows.EndRow();
                    return rows.ok();
                },
                fs);
            return out.archive;
        },
        fs);
    if (out.archive.ok()) out.file = written;
    return out;
}

}  // namespace corvelo

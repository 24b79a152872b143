#include "core/warehouse/warehouse_export.h"

#include "core/storage/archive_scan.h"

namespace corvelo {

using A = TArticolo;

const std::array<WarehouseExportColumn, 24> kWarehouseExportColumns = {{
    {"colNum", "N.", 60, A::Codice, false, "", 0},
    {"colCodice", "Codice articolo", 150, A::Codice, false, "Codice articolo", 250},
    {"colTipologia", "Tipologia", 150, A::Tipologia, false, "Tipologia", 250},
    {"colMarca", "Marca", 150, A::Marca, false, "Marca", 250},
    {"colModello", "Modello", 150, A::Modello, false, "Modello", 250},
    {"colDescrizione", "Descrizione", 350, A::Descrizione, false, "Descrizione", 400},
    {"colAccessori", "Accessori", 350, A::Accessori, true, "Accessori", 400},
    {"colFornitore", "Fornitore", 200, A::Fornitore, false, "Fornitore", 250},
    {"colRecapiti", "Recapito preferenziale", 250, A::Recapiti, false, "Recapito preferenziale",
     250},
    {"colData", "Data acquisto", 100, A::Data, false, "Data acquisto", 200},
    {"colDocumento", "Estremi documento di acquisto", 350, A::Documento, false,
     "Estremi documento acquisto", 350},
    {"colOrdine", "Modalità ordine merce", 250, A::Ordine, false, "Modalità ordine merce", 350},
    {"colGiacenza", "Giacenza", 100, A::Giacenza, false, "Giacenza", 200},
    {"colCosto", "Costo", 100, A::Costo, false, "Costo", 200},
    {"colValore", "Valore", 100, A::Valore, false, "Valore", 200},
    {"colPrezzo", "Prezzo senza IVA", 100, A::Prezzo, false, "Prezzo senza IVA", 200},
    {"colPercIva", "Perc. IVA", 100, A::PercIva, false, "Perc. IVA", 150},
    {"colPrezzo_con_Iva", "Prezzo con IVA", 100, A::Prezzo_con_Iva, false, "Prezzo con IVA", 200},
    {"colCollocazione", "Collocazione in magazzino", 300, A::Collocazione, false,
     "Collocazione in magazzino", 350},
    {"colConsumo", "Altezza", 200, A::Consumo, true, "Altezza", 200},
    {"colAderenza", "Larghezza", 200, A::Aderenza, true, "Larghezza", 200},
    {"colRumore", "Lunghezza", 200, A::Rumore, true, "Lunghezza", 200},
    {"colOnde", "Scadenza", 200, A::Onde, true, "Scadenza", 200},
    {"colNote", "Note", 350, A::Note, false, "Note", 400},
}};

std::array<SpreadsheetColumn, 23> WarehouseExportHeaders() {
    std::array<SpreadsheetColumn, 23> h;
    for (std::size_t c = 1; c < kWarehouseExportColumns.size(); ++c) {
        h[c - 1] = {kWarehouseExportColumns[c].exported_header,
                    kWarehouseExportColumns[c].exported_width};
    }
    return h;
}

WarehouseExportGrid FillWarehouseExportGrid(const std::filesystem::path& path, FileSystem& fs) {
    WarehouseExportGrid out;
    bool first = true;
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(path, ec);
    if (!ec) out.grid.Reserve(static_cast<std::size_t>(bytes / A::kSize), 256);
    out.status = ArchiveReader::Scan(
        path, A::kSize,
        [&](const char* record, std::size_t card) {
            if (first) {
                out.grid.Clear();
                first = false;
            }
            out.grid.AddCell(std::to_string(card));
            for (std::size_t c = 1; c < kWarehouseExportColumns.size(); ++c) {
                const RecordField& f = A::kFields[kWarehouseExportColumns[c].field];
                AppendCp1252(RawField(record, f), out.grid.OpenCell());
                out.grid.CloseCell();
            }
        },
        fs);
    return out;
}

bool WarehouseColumnEditable(std::size_t column) {
    return column < kWarehouseExportColumns.size() && kWarehouseExportColumns[column].editable;
}

TextGrid WithEdits(const TextGrid& grid, const GridEdits& edits) {
    TextGrid out(grid.ColumnCount());
    out.Clear();
    for (std::size_t r = 0; r < grid.RowCount(); ++r) {
        for (std::size_t c = 0; c < grid.ColumnCount(); ++c) {
            const auto it = WarehouseColumnEditable(c) ? edits.find({r, c}) : edits.end();
            out.AddCell(it != edits.end() ? std::string_view(it->second) : grid.Cell(r, c));
        }
    }
    return out;
}

std::string WarehouseExportBytes(const TextGrid& grid) {
    const auto headers = WarehouseExportHeaders();
    return SpreadsheetBytes(kWarehouseExportWorksheet, headers, grid);
}

bool WriteWarehouseExport(const std::filesystem::path& file, const TextGrid& grid) {
    const auto headers = WarehouseExportHeaders();
    return WriteSpreadsheetFile(file, kWarehouseExportWorksheet, headers, grid);
}

}  // namespace corvelo

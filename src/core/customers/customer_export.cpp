#include "core/customers/customer_export.h"

#include "core/app/archive_scan.h"

namespace corvelo {

using C = TCliente;

const std::array<CustomerExportColumn, 26> kCustomerExportColumns = {{
    {"N.", C::Cognome, "", 0},
    {"Cognome e nome Cliente", C::Cognome, "Cognome e nome Cliente", 250},
    {"Codice fiscale", C::CodFisc, "Codice fiscale", 200},
    {"Data di nascita", C::DataNasc, "Data di nascita", 200},
    {"Comune / Stato estero di nascita", C::ComuneNasc, "Comune di nascita", 250},
    {"Partita IVA", C::Iva, "Partita IVA", 200},
    {"Indirizzo di residenza", C::Indirizzo, "Indirizzo di residenza", 250},
    {"Comune di residenza", C::ComuneRes, "Città di residenza", 250},
    {"Recapito preferenziale", C::Recapito, "Recapito preferenziale", 250},
    {"Tel. casa", C::TelCasa, "Tel. casa", 200},
    {"Tel. cellulare", C::TelCel, "Tel. cellulare", 200},
    {"E-mail", C::Email, "E-mail", 250},
    {"Professione", C::Professione, "Professione", 250},
    {"IBAN", C::Iban, "IBAN", 300},
    {"Intestatario C/C", C::Intestatario, "Intestatario C/C", 250},
    {"Modalità di pagamento", C::Pagamento, "Modalità di pagamento", 250},
    {"Prodotti e servizi di interesse", C::Prodotti, "Prodotti e servizi di interesse", 300},
    {"Tipo documento", C::TipoDoc, "Tipo documento", 250},
    {"Numero documento", C::NumDoc, "Numero documento", 250},
    {"Ente di rilascio", C::EnteRil, "Ente di rilascio", 250},
    {"Data rilascio", C::DataRil, "Data di rilascio", 200},
    {"Data scadenza", C::DataSca, "Data di scadenza", 200},
    {"Codice Cliente", C::Codice, "Codice Cliente", 250},
    {"Categoria", C::Categoria, "Categoria", 250},
    {"Zona di appartenenza", C::Zona, "Zona di appartenenza", 250},
    {"Note", C::Note, "Note", 300},
}};

std::array<SpreadsheetColumn, 25> CustomerExportHeaders() {
    std::array<SpreadsheetColumn, 25> h;
    for (std::size_t c = 1; c < kCustomerExportColumns.size(); ++c) {
        h[c - 1] = {kCustomerExportColumns[c].exported_header,
                    kCustomerExportColumns[c].exported_width};
    }
    return h;
}

CustomerExportGrid FillCustomerExportGrid(const std::filesystem::path& path, FileSystem& fs) {
    CustomerExportGrid out;
    bool first = true;
    const std::size_t n = RecordCountHint(path, C::kSize);
    if (n != 0) out.grid.Reserve(n, 384);
    out.status = ArchiveReader::Scan(
        path, C::kSize,
        [&](const char* record, std::size_t card) {
            if (first) {
                out.grid.Clear();
                first = false;
            }
            out.grid.AddCell(std::to_string(card));
            std::string& name = out.grid.OpenCell();
            AppendCp1252(RawField(record, C::kFields[C::Cognome]), name);
            name += ' ';
            AppendCp1252(RawField(record, C::kFields[C::Nome]), name);
            out.grid.CloseCell();
            for (std::size_t c = 2; c < kCustomerExportColumns.size(); ++c) {
                const RecordField& f = C::kFields[kCustomerExportColumns[c].field];
                AppendCp1252(RawField(record, f), out.grid.OpenCell());
                out.grid.CloseCell();
            }
        },
        fs);
    if (!out.status.ok()) out.grid.SetRowCount(TextGrid::kInitialRows);
    return out;
}

std::string CustomerExportBytes(const TextGrid& grid) {
    const auto headers = CustomerExportHeaders();
    return SpreadsheetBytes(kCustomerExportWorksheet, headers, grid);
}

bool WriteCustomerExport(const std::filesystem::path& file, const TextGrid& grid) {
    const auto headers = CustomerExportHeaders();
    return WriteSpreadsheetFile(file, kCustomerExportWorksheet, headers, grid);
}

}  // namespace corvelo

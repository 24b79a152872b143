#include "core/documents/receipt_search.h"

#include "core/storage/archive_scan.h"
#include "core/documents/receipt_dates.h"
#include "core/documents/receipt_list_line.h"
#include "core/storage/text.h"

namespace corvelo {

const std::array<ReceiptSearchBox, 10> kReceiptSearchBoxes = {{
    {"txtNumRic", "Ricevuta n.", TRicevuta::NumRic},
    {"txtData", "Data emissione:", TRicevuta::Data},
    {"txtCliente", "Cognome e nome cliente:", TRicevuta::Cliente},
    {"txtCittaCliente", "Citt\xC3\xA0 di residenza:", TRicevuta::CittaCliente},
    {"txtIvaCliente", "Partita IVA:", TRicevuta::IvaCliente},
    {"txtCodFiscCliente", "Codice fiscale:", TRicevuta::CodFiscCliente},
    {"txtPagamento", "Modalit\xC3\xA0 di pagamento:", TRicevuta::Pagamento},
    {"txtBanca", "Banca d'appoggio:", TRicevuta::Banca},
    {"txtRiferimenti", "Riferimenti:", TRicevuta::Riferimenti},
    {"txtNote", "Note:", TRicevuta::Note},
}};

std::size_t CountSearchBoxes(std::span<const std::string> boxes) {
    return CountCriteriaInUse(boxes);
}

ReceiptListResult SearchReceipts(const std::filesystem::path& path, const ReceiptSearchTexts& boxes,
                                 FileSystem& fs) {
    std::array<RecordField, 10> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = TRicevuta::kFields[kReceiptSearchBoxes[i].field];
    }
    const CriteriaMatcher matcher(boxes, fields);
    ReceiptListResult out;
    if (matcher.Needed() == 0) {  // every receipt is listed
        const std::size_t n = RecordCountHint(path, TRicevuta::kSize);
        out.lines.Reserve(n, n * 176);
    }
    out.status = ArchiveReader::Scan(
        path, TRicevuta::kSize,
        [&](const char* record, std::size_t) {
            if (matcher.Matches(record)) {
                AppendReceiptListLine(record, out.lines.OpenLine());
                out.lines.CloseLine();
            }
        },
        fs);
    out.lines.SortCaseless();
    return out;
}

std::string SearchCountLine(std::size_t entries) {
    return "Il presente riepilogo contiene " + std::to_string(entries) + " schede.";
}

bool IsUnpaidFlag(std::string_view saldata) {
    return TrimView(saldata) == kSaldataNo;
}

ReceiptListResult UnpaidReceipts(const std::filesystem::path& path, FileSystem& fs) {
    ReceiptListResult out;
    const RecordField& flag = TRicevuta::kFields[TRicevuta::Saldata];
    out.status = ArchiveReader::Scan(
        path, TRicevuta::kSize,
        [&](const char* record, std::size_t) {
            if (RawField(record, flag) == kSaldataNo) {
                AppendReceiptListLine(record, out.lines.OpenLine());
                out.lines.CloseLine();
            }
        },
        fs);
    return out;
}

}  // namespace corvelo

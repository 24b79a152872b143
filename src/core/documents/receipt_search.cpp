#include "core/documents/receipt_search.h"

#include <optional>

#include "core/documents/archive_scan.h"
#include "core/documents/receipt_dates.h"
#include "core/documents/receipt_list_line.h"
#include "core/storage/cp1252.h"
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

namespace {

char LowerAZ(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The Windows-1252 bytes whose decoding gives exactly `utf8`, or nullopt
// when some character has no byte (such a text occurs in no record).
std::optional<std::string> ExactCp1252(std::string_view utf8) {
    std::string out;
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        if (cp == 0x81 || cp == 0x8D || cp == 0x8F || cp == 0x90 || cp == 0x9D) {
            out += static_cast<char>(cp);
            continue;
        }
        const char b = CodePointToCp1252(cp);
        if (b == '?' && cp != U'?') return std::nullopt;
        out += b;
    }
    return out;
}

struct Criterion {
    bool active = false;  // typed text not empty and representable
    std::string key;      // Windows-1252, A-Z lowered
    const RecordField* field = nullptr;
};

}  // namespace

std::size_t CountSearchBoxes(std::span<const std::string> boxes) {
    std::size_t n = 0;
    for (const std::string& b : boxes) n += TrimView(b).empty() ? 0 : 1;
    return n;
}

bool SearchTextMatches(std::string_view typed, std::string_view field) {
    if (typed.empty()) return false;
    return AsciiLower(field).find(AsciiLower(typed)) != std::string::npos;
}

ReceiptListResult SearchReceipts(const std::filesystem::path& path, const ReceiptSearchTexts& boxes,
                                 FileSystem& fs) {
    ReceiptListResult out;
    const std::size_t needed = CountSearchBoxes(boxes);
    std::array<Criterion, 10> criteria;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].empty()) continue;
        std::optional<std::string> key = ExactCp1252(boxes[i]);
        if (!key) continue;
        for (char& c : *key) c = LowerAZ(c);
        criteria[i] = {true, std::move(*key), &TRicevuta::kFields[kReceiptSearchBoxes[i].field]};
    }

    if (needed == 0) {  // every receipt is listed
        const std::size_t n = RecordCountHint(path, TRicevuta::kSize);
        out.lines.Reserve(n, n * 176);
    }
    char lowered[256];
    out.status = ArchiveReader::Scan(
        path, TRicevuta::kSize,
        [&](const char* record, std::size_t) {
            std::size_t hits = 0;
            for (const Criterion& c : criteria) {
                if (!c.active) continue;
                const std::string_view raw = RawField(record, *c.field);
                for (std::size_t k = 0; k < raw.size(); ++k) lowered[k] = LowerAZ(raw[k]);
                if (std::string_view(lowered, raw.size()).find(c.key) != std::string_view::npos) {
                    ++hits;
                }
            }
            if (hits >= needed) {
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

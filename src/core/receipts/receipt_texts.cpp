#include "core/receipts/receipt_texts.h"

#include <utility>
#include <vector>

#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/storage/text.h"

namespace corvelo {

std::string ReceiptControlName(std::size_t field) {
    if (field == TRicevuta::Saldata) return "chkSaldata";
    return "txt" + std::string(TRicevuta::kFields[field].name);
}

namespace {

// What a message calls the fields outside the receipt lines; the issuer's
// and the customer's boxes share their captions, so the name says whose.
constexpr std::pair<TRicevuta::Field, std::string_view> kCaptions[] = {
    {TRicevuta::NumRic, "Ricevuta n."},
    {TRicevuta::Data, "Data emissione"},
    {TRicevuta::Ditta, "Ditta emittente"},
    {TRicevuta::ViaDitta, "Via e numero civico della Ditta emittente"},
    {TRicevuta::CapDitta, "CAP della Ditta emittente"},
    {TRicevuta::CittaDitta, "Città della Ditta emittente"},
    {TRicevuta::ProvDitta, "Provincia della Ditta emittente"},
    {TRicevuta::IvaDitta, "Partita IVA della Ditta emittente"},
    {TRicevuta::CodFiscDitta, "Codice fiscale della Ditta emittente"},
    {TRicevuta::Libero01, "Campo libero 1"},
    {TRicevuta::Libero02, "Campo libero 2"},
    {TRicevuta::Cliente, "Cognome e nome o ragione sociale Cliente"},
    {TRicevuta::ViaCliente, "Via e numero civico del Cliente"},
    {TRicevuta::CapCliente, "CAP del Cliente"},
    {TRicevuta::CittaCliente, "Città del Cliente"},
    {TRicevuta::ProvCliente, "Provincia del Cliente"},
    {TRicevuta::IvaCliente, "Partita IVA del Cliente"},
    {TRicevuta::CodFiscCliente, "Codice fiscale del Cliente"},
    {TRicevuta::Riferimenti, "Riferimenti"},
    {TRicevuta::Pagamento, "Modalità di pagamento"},
    {TRicevuta::Banca, "Banca d'appoggio"},
    {TRicevuta::Note, "Note"},
    {TRicevuta::TotCorrispettivi, "Tot. corrispettivi"},
    {TRicevuta::Acconti, "Acconti"},
    {TRicevuta::Tassa, "Imposta di bollo"},
    {TRicevuta::Totale, "Totale"},
};

// The names and captions live as long as the program, so the table can
// hand out views of them.
struct ReceiptFieldTable {
    std::array<std::string, TRicevuta::kFieldCount> controls;
    std::array<std::string, TRicevuta::kFieldCount> captions;
    std::vector<CardField> fields;

    ReceiptFieldTable() {
        for (const auto& [field, caption] : kCaptions) captions[field] = caption;
        for (int n = 1; n <= TRicevuta::kLines; ++n) {
            captions[TRicevuta::Desc01 + n - 1] = "Descrizione della riga " + std::to_string(n);
            captions[TRicevuta::Prezzo01 + n - 1] = "Importo della riga " + std::to_string(n);
        }
        for (std::size_t f = 0; f < TRicevuta::kFieldCount; ++f) {
            if (f == TRicevuta::Saldata) continue;
            controls[f] = ReceiptControlName(f);
            fields.push_back({f, controls[f], captions[f]});
        }
    }
};

}  // namespace

std::span<const CardField> ReceiptCardFields() {
    static const ReceiptFieldTable table;
    return table.fields;
}

TRicevuta ReceiptFromTexts(const ReceiptTexts& texts) {
    TRicevuta r;
    for (std::size_t f = 0; f < TRicevuta::kFieldCount; ++f) r[f] = Trim(texts[f]);
    r[TRicevuta::Saldata] = std::string(texts.saldata ? kSaldataSi : kSaldataNo);
    return r;
}

std::optional<bool> SaldataCheck(std::string_view stored) {
    const std::string_view flag = TrimView(stored);
    if (flag == kSaldataSi) return true;
    if (flag == kSaldataNo) return false;
    return std::nullopt;
}

ReceiptTexts TextsFromReceipt(const TRicevuta& record, bool current_saldata) {
    ReceiptTexts t;
    for (std::size_t f = 0; f < TRicevuta::kFieldCount; ++f) t[f] = Trim(record[f]);
    t[TRicevuta::Saldata].clear();
    t.saldata = SaldataCheck(record[TRicevuta::Saldata]).value_or(current_saldata);
    return t;
}

bool KeptOnClear(std::size_t field) {
    return (field >= TRicevuta::Ditta && field <= TRicevuta::Libero02) || field == TRicevuta::Tassa;
}

ReceiptTexts ClearedReceipt(const ReceiptTexts& current) {
    ReceiptTexts t;
    for (std::size_t f = 0; f < TRicevuta::kFieldCount; ++f) {
        if (KeptOnClear(f)) t[f] = current[f];
    }
    t[TRicevuta::Acconti] = "0,00";
    t.saldata = false;
    return t;
}

namespace {

// The field shown by an editor box named in the settings table.
std::size_t FieldOfBox(std::string_view box) {
    for (std::size_t f = 0; f < TRicevuta::kFieldCount; ++f) {
        if (ReceiptControlName(f) == box) return f;
    }
    return TRicevuta::kFieldCount;
}

}  // namespace

void ReadIssuerSettings(const std::filesystem::path& settings_file, ReceiptTexts& texts) {
    for (const settings::IssuerKey& k : settings::kIssuerKeys) {
        const std::size_t f = FieldOfBox(k.box);
        if (f < TRicevuta::kFieldCount) {
            texts[f] = ReadSetting(settings_file, settings::kIssuerSection, k.key);
        }
    }
}

std::optional<std::string> WriteIssuerSettings(const std::filesystem::path& settings_file,
                                               const ReceiptTexts& texts) {
    SettingValues values;
    for (const settings::IssuerKey& k : settings::kIssuerKeys) {
        const std::size_t f = FieldOfBox(k.box);
        if (f < TRicevuta::kFieldCount) values.emplace_back(std::string(k.key), Trim(texts[f]));
    }
    return WriteSettings(settings_file, settings::kIssuerSection, values);
}

}  // namespace corvelo

#include "core/receipts/receipt_texts.h"

#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/storage/text.h"

namespace corvelo {

std::string ReceiptControlName(std::size_t field) {
    if (field == TRicevuta::Saldata) return "chkSaldata";
    return "txt" + std::string(TRicevuta::kFields[field].name);
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

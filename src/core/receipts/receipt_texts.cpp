#include "core/receipts/receipt_texts.h"

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

ReceiptTexts ClearedReceipt(const ReceiptTexts& current) {
    ReceiptTexts t;
    for (std::size_t f = TRicevuta::Ditta; f <= TRicevuta::Libero02; ++f) t[f] = current[f];
    t[TRicevuta::Tassa] = current[TRicevuta::Tassa];
    t[TRicevuta::Acconti] = "0,00";
    t.saldata = false;
    return t;
}

}  // namespace corvelo

#include "core/receipts/receipt_save.h"

#include "core/app/routines.h"
#include "core/receipts/receipt_calculation.h"
#include "core/storage/card.h"
#include "core/storage/cp1252.h"
#include "core/storage/messages.h"
#include "core/storage/text.h"

namespace corvelo {

std::string AmountTooLongMessage(std::string_view what, std::string_view amount) {
    return "Attenzione: non \xC3\xA8 possibile salvare la ricevuta perch\xC3\xA9 " +
           std::string(what) + " (" + std::string(amount) +
           ") supera i 10 caratteri disponibili in archivio e il valore memorizzato "
           "risulterebbe diverso da quello indicato.\n\r\n\rRidurre l'importo o suddividerlo "
           "su pi\xC3\xB9 ricevute.";
}

namespace {

SaveCheck Refuse(std::string_view message, std::string focus) {
    return {{NoticeKind::kWarning, std::string(message)}, std::move(focus)};
}

bool Fits(std::string_view text) {
    return CodePointCount(TrimView(text)) <= kAmountCapacity;
}

}  // namespace

SaveCheck CheckReceiptForSave(const ReceiptTexts& t) {
    if (TrimView(t[TRicevuta::Cliente]).empty()) return Refuse(kMsgClienteMancante, "txtCliente");
    if (TrimView(t[TRicevuta::NumRic]).empty()) return Refuse(kMsgNumeroMancante, "txtNumRic");
    if (TrimView(t[TRicevuta::Data]).empty()) return Refuse(kMsgDataMancante, "txtData");
    if (!IsValidDate(t[TRicevuta::Data])) return Refuse(kMsgDataInesistente, "txtData");

    for (int n = 1; n <= TRicevuta::kLines; ++n) {
        if (!Fits(t.Prezzo(n))) {
            const std::size_t f = TRicevuta::Prezzo01 + n - 1;
            return Refuse(AmountTooLongMessage("l'importo della riga " + std::to_string(n),
                                               Trim(t.Prezzo(n))),
                          ReceiptControlName(f));
        }
    }
    struct Amount {
        TRicevuta::Field field;
        std::string_view what;
        std::string_view focus;
    };
    static constexpr Amount kAmounts[] = {
        {TRicevuta::Acconti, "l'importo degli acconti", "txtAcconti"},
        {TRicevuta::Tassa, "l'imposta di bollo", "txtTassa"},
        {TRicevuta::TotCorrispettivi, "il totale dei corrispettivi", ""},
        {TRicevuta::Totale, "il totale da saldare", ""},
    };
    for (const Amount& a : kAmounts) {
        if (!Fits(t[a.field])) {
            return Refuse(AmountTooLongMessage(a.what, Trim(t[a.field])), std::string(a.focus));
        }
    }
    return {};
}

ReceiptSaveOutcome SaveReceipt(const std::filesystem::path& path, const ReceiptTexts& texts,
                               std::string_view position, FileSystem& fs) {
    ReceiptSaveOutcome out;
    out.texts = texts;
    out.position = std::string(position);

    const CalculationOutcome calc = CalculateReceipt(AmountsOf(texts));
    PutAmounts(calc.texts, out.texts);
    if (!calc.ok()) {
        out.notice = calc.notice;
        return out;
    }
    if (SaveCheck check = CheckReceiptForSave(out.texts); !check.ok()) {
        out.notice = std::move(check.notice);
        out.focus = std::move(check.focus);
        return out;
    }

    CardSaveOutcome card = StoreCard(path, ReceiptFromTexts(out.texts), position,
                                     ReceiptCardFields(), kReceiptCardFailures, fs);
    static_cast<CardSaveOutcome&>(out) = std::move(card);
    return out;
}

}  // namespace corvelo

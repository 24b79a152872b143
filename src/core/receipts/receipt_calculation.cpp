#include "core/receipts/receipt_calculation.h"

#include <optional>

#include "core/app/routines.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

// An empty box counts as 0; otherwise the text must be a number.
std::optional<double> AmountValue(std::string_view text) {
    if (TrimView(text).empty()) return 0.0;
    return TextToNumber(text);
}

// A total as shown: rounded half up to two decimals, then completed.
std::string FinishTotal(const std::string& text) {
    std::string out = text;
    if (!TrimView(text).empty()) {
        out = NumberToText(RoundDecimals(TextToNumber(text).value_or(0.0), 2));
    }
    return CompleteAmountText(out);
}

std::string ConversionError(std::string_view text) {
    std::string message(1, '\'');
    message += text;
    message += "' is not a valid floating point value";
    return message;
}

}  // namespace

ReceiptAmounts AmountsOf(const ReceiptTexts& texts) {
    ReceiptAmounts a;
    for (int n = 1; n <= TRicevuta::kLines; ++n) a.prezzo[n - 1] = texts.Prezzo(n);
    a.acconti = texts[TRicevuta::Acconti];
    a.tassa = texts[TRicevuta::Tassa];
    a.tot_corrispettivi = texts[TRicevuta::TotCorrispettivi];
    a.totale = texts[TRicevuta::Totale];
    return a;
}

void PutAmounts(const ReceiptAmounts& a, ReceiptTexts& texts) {
    for (int n = 1; n <= TRicevuta::kLines; ++n) texts.Prezzo(n) = a.prezzo[n - 1];
    texts[TRicevuta::Acconti] = a.acconti;
    texts[TRicevuta::Tassa] = a.tassa;
    texts[TRicevuta::TotCorrispettivi] = a.tot_corrispettivi;
    texts[TRicevuta::Totale] = a.totale;
}

CalculationOutcome CalculateReceipt(const ReceiptAmounts& in) {
    CalculationOutcome out{in, {}};
    ReceiptAmounts& t = out.texts;
    if (TrimView(t.acconti).empty()) t.acconti = "0,00";

    std::array<double, TRicevuta::kLines> lines{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto v = AmountValue(t.prezzo[i]);
        if (!v) {
            out.notice = {NoticeKind::kError, ConversionError(t.prezzo[i])};
            return out;
        }
        lines[i] = *v;
    }
    const auto acconti = AmountValue(t.acconti);
    if (!acconti) {
        out.notice = {NoticeKind::kError, ConversionError(t.acconti)};
        return out;
    }
    const auto tassa = AmountValue(t.tassa);
    if (!tassa) {
        out.notice = {NoticeKind::kError, ConversionError(t.tassa)};
        return out;
    }

    // Added in line order, so the same lines always give the same sum.
    double sum = 0;
    for (double v : lines) sum += v;
    t.tot_corrispettivi = NumberToText(sum);
    t.totale = NumberToText(sum + *tassa - *acconti);

    t.tot_corrispettivi = FinishTotal(t.tot_corrispettivi);
    t.tassa = FinishTotal(t.tassa);
    t.totale = FinishTotal(t.totale);
    return out;
}

StaleTotals TotalsStaledByKeyIn(std::size_t field) {
    if (field >= TRicevuta::Prezzo01 && field <= TRicevuta::Prezzo30) return StaleTotals::kBoth;
    if (field == TRicevuta::Acconti || field == TRicevuta::Tassa) return StaleTotals::kTotale;
    return StaleTotals::kNone;
}

void ApplyKeyPressIn(std::size_t field, ReceiptTexts& texts) {
    switch (TotalsStaledByKeyIn(field)) {
        case StaleTotals::kBoth:
            texts[TRicevuta::TotCorrispettivi].clear();
            texts[TRicevuta::Totale].clear();
            break;
        case StaleTotals::kTotale:
            texts[TRicevuta::Totale].clear();
            break;
        case StaleTotals::kNone:
            break;
    }
}

}  // namespace corvelo

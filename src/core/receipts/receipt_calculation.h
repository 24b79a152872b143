// The receipt arithmetic behind "CALCOLA >>" and the first step of every
// save: the sum of the 30 line amounts, the stamp duty and the amount due.
#pragma once

#include <array>
#include <string>

#include "core/receipts/notice.h"
#include "core/receipts/receipt_texts.h"

namespace corvelo {

// The amount boxes of the editor, texts as shown.
struct ReceiptAmounts {
    std::array<std::string, TRicevuta::kLines> prezzo;  // txtPrezzo01..30
    std::string acconti;                                // txtAcconti
    std::string tassa;                                  // txtTassa
    std::string tot_corrispettivi;                      // label txtTotCorrispettivi
    std::string totale;                                 // label txtTotale

    bool operator==(const ReceiptAmounts&) const = default;
};

ReceiptAmounts AmountsOf(const ReceiptTexts& texts);
void PutAmounts(const ReceiptAmounts& amounts, ReceiptTexts& texts);

struct CalculationOutcome {
    // The boxes after the calculation. On failure only an empty txtAcconti
    // has become "0,00"; no total has changed.
    ReceiptAmounts texts;
    // Empty on success; otherwise an error box with the conversion message
    // "'<text>' is not a valid floating point value".
    Notice notice;
    bool ok() const { return notice.empty(); }
};

// Runs the calculation. Empty inputs count as 0; the amount due is worked
// out from the unrounded sum, stamp duty and advances and only then rounded
// to two decimals (half up); the stamp duty is rewritten with two decimals,
// the advances are left as typed.
CalculationOutcome CalculateReceipt(const ReceiptAmounts& in);

// Which totals go stale when a key is pressed in a box: a line amount
// empties both totals, the advances or the stamp duty only the amount due.
enum class StaleTotals { kNone, kTotale, kBoth };
StaleTotals TotalsStaledByKeyIn(std::size_t field);

// Empties the totals that a key pressed in `field` makes stale.
void ApplyKeyPressIn(std::size_t field, ReceiptTexts& texts);

}  // namespace corvelo

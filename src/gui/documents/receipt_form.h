// The receipt editor's controls reached by name, paired with the fields of
// TRicevuta as the core pairs them (ReceiptCardFields: the box "txt" + field
// name, the two totals labels of the same names, the province boxes combo
// boxes) and the paid flag in chkSaldata; lblPosizione holds the card
// position. Screens that read the receipt on show (print, preview, PDF) or
// load one into it (search, unpaid list) go through these functions, and so
// does the editor itself, so they all agree on the pairing.
#pragma once

#include <QString>
#include <optional>

#include "core/receipts/receipt_texts.h"
#include "core/storage/ricevuta.h"
#include "gui/kit/card_form.h"

class QWidget;

namespace corvelo {

// The editor's texts as the core takes them: every box trimmed, the paid
// flag the state of chkSaldata.
ReceiptTexts ReadReceiptTexts(const QWidget& form);
// Every box gets its text; chkSaldata the paid flag.
void ShowReceiptTexts(QWidget& form, const ReceiptTexts& texts);

// The receipt as the form shows it (ReceiptFromTexts: Saldata "Sì" when
// chkSaldata is checked and "No" when not).
TRicevuta ReadReceiptForm(const QWidget& form);

// Shows `r` on the form (TextsFromReceipt: chkSaldata checked for "Sì",
// unchecked for "No", left as it is for anything else); lblPosizione gets
// `card` (1-based) when given.
void ShowReceiptOnForm(QWidget& form, const TRicevuta& r, std::optional<long long> card);

}  // namespace corvelo

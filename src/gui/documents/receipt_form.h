// The receipt editor's controls reached by name: every field of a receipt
// has its control txt<Field> (the two totals are labels, the province boxes
// combo boxes), the paid flag is chkSaldata and the card position
// lblPosizione. Screens that read the receipt on show (print, preview, PDF)
// or load one into it (search, unpaid list) go through these two functions,
// and so does the editor itself, so they all agree on the pairing.
#pragma once

#include <QString>
#include <optional>

#include "core/storage/ricevuta.h"

class QWidget;

namespace corvelo {

// The receipt as the form shows it, each text trimmed; Saldata is "Sì" when
// chkSaldata is checked and "No" when not.
TRicevuta ReadReceiptForm(const QWidget& form);

// Shows `r` on the form: every control gets its field's text; chkSaldata is
// checked for "Sì", unchecked for "No" and left as it is for anything else;
// lblPosizione gets `card` (1-based) when given.
void ShowReceiptOnForm(QWidget& form, const TRicevuta& r, std::optional<long long> card);

// Text of the named control of `form` (line edit, label or combo box), or an
// empty text when there is none.
QString FormText(const QWidget& form, const char* name);
void SetFormText(QWidget& form, const char* name, const QString& text);

}  // namespace corvelo

// The input boxes of the four check screens, and the rule that picks the
// screen for a codice fiscale box. The screens and corvelo-cli both go
// through these, so a value checked from the command line meets the same
// box as one pasted into the screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/checks/check_result.h"

namespace corvelo {

enum class CheckKind {
    CodiceFiscale,  // TfrmCodFisc, box txtCodFisc
    PartitaIva,     // TfrmPartitaIva, box txtPartitaIva
    Iban,           // TfrmIban, box txtIban
    Carta,          // TfrmCarta, box txtNumero
};

struct CheckBoxRule {
    std::size_t maxLength;  // characters the box holds
    bool trimUpper;         // after every change: trimmed and upper-cased
    bool digitKeys;         // typing: keys other than 0-9 are swallowed
};

// Returns the rule of the input box of the screen of kind.
CheckBoxRule CheckBoxOf(CheckKind kind);

// Returns the box's change rule applied to text: trimmed and in upper case
// for boxes that have it, unchanged for the others.
std::string AfterBoxChange(CheckKind kind, std::string_view text);

// Returns what the box holds after text is pasted into the empty box: cut to
// the box's maximum length, then its change rule. Key filters play no part.
std::string PasteIntoBox(CheckKind kind, std::string_view text);

// Returns what the check button of the screen of kind reports for the box's text.
CheckResult RunCheck(CheckKind kind, std::string_view boxText);

// The screen a codice fiscale button opens, with the text for its box.
struct TaxCodeOpening {
    CheckKind screen;  // CodiceFiscale or PartitaIva
    std::string text;  // the trimmed text of the calling box
};

// Picks the screen for the text of a codice fiscale box: trimmed, an empty
// text opens the codice fiscale check, digits only (a company's codice
// fiscale is its partita IVA) the partita IVA check, anything else the
// codice fiscale check.
TaxCodeOpening OpenTaxCodeCheck(std::string_view boxText);

}  // namespace corvelo

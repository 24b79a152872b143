// The Italian partita IVA: its check digit, the VAT office named by digits
// 8 to 10, and the message of the partita IVA check screen.
#pragma once

#include <string_view>

#include "core/checks/check_result.h"

namespace corvelo {

// Warning: the number is not 11 characters long.
inline constexpr std::string_view kMsgIvaLunghezza =
    "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
// Information: followed by the office name and ".".
inline constexpr std::string_view kMsgIvaValidaPrefisso =
    "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
    "dall'Ufficio IVA del Comune di ";
// Warning: wrong check digit or a character that is not a digit.
inline constexpr std::string_view kMsgIvaErrata =
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
    "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";

// Returns true when number is 11 digits whose last is the check digit of
// the first ten.
bool IsPartitaIvaCorrect(std::string_view number);

// Returns the name of the provincial VAT office with the three-digit code
// ("058" gives "Roma 1"); empty for a code the office table does not name.
std::string_view PartitaIvaOffice(std::string_view code);

// Runs the check button on the text of the box, as it stands (not trimmed).
CheckResult CheckPartitaIva(std::string_view boxText);

}  // namespace corvelo

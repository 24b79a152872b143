// The Italian codice fiscale: its check character and the message of the
// codice fiscale check screen.
#pragma once

#include <optional>
#include <string_view>

#include "core/checks/check_result.h"

namespace corvelo {

// Warning: the code is not 16 characters long.
inline constexpr std::string_view kMsgCodFiscLunghezza =
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
// Information: the check character is right.
inline constexpr std::string_view kMsgCodFiscValido = "Il codice fiscale digitato è VALIDO.";
// Warning: the check character is wrong.
inline constexpr std::string_view kMsgCodFiscErrato =
    "Attenzione: il codice fiscale digitato è ERRATO.";

// Returns the check character ("A" to "Z") of the first 15 characters of
// code (ASCII upper case expected), or nullopt when code is shorter or one
// of them lies outside "0" to "Z", which the official tables do not value.
std::optional<char> CodiceFiscaleCheckChar(std::string_view code);

// Runs the check button on the text of the box: the text is upper-cased,
// must be 16 characters, and its 16th must equal the computed check
// character. Only the check character is verified, not the pattern.
CheckResult CheckCodiceFiscale(std::string_view boxText);

}  // namespace corvelo

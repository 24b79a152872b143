// The IBAN check (ISO 13616, remainder MOD 97-10) and the message of the
// IBAN check screen. Only the Italian length of 27 characters is accepted.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/checks/check_result.h"

namespace corvelo {

inline constexpr std::size_t kIbanLength = 27;

// Warning: the trimmed text is not 27 characters long.
inline constexpr std::string_view kMsgIbanLunghezza =
    "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
// Information: the check pair is right.
inline constexpr std::string_view kMsgIbanValido = "L'IBAN digitato è VALIDO.";
// Warning: the check pair is wrong, or a character is neither letter nor digit.
inline constexpr std::string_view kMsgIbanErrato = "Attenzione: l'IBAN digitato è ERRATO!";

// Returns true when iban passes the MOD 97 check: blanks inside are
// dropped, letters upper-cased, a first "IBAN" word removed, the first four
// characters moved to the end, letters turned into 10 to 35; the remainder
// must be 1. Any other character makes it wrong.
bool IsIbanCorrect(std::string_view iban);

// Runs the check button on the text of the box. The length is counted
// before blanks are dropped, so an IBAN written in groups is too long.
CheckResult CheckIban(std::string_view boxText);

}  // namespace corvelo

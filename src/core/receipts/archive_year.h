// The year that names a receipt archive ("<year>.ric"), as the receipts
// menu and corvelo-cli take it.
#pragma once

#include <string_view>

namespace corvelo {

inline constexpr std::string_view kMsgAnnoQuattroCifre =
    "Attenzione: indicare l'anno solare utilizzando quattro cifre.";

// True when `year` is exactly four digits 0-9, blanks not trimmed: a pasted
// "20 4" or "２０２４" would otherwise name an archive of its own.
bool IsFourDigitYear(std::string_view year);

}  // namespace corvelo

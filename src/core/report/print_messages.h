// The texts the printed outputs show (receipt sheet, list report, chart).
#pragma once

#include <string_view>

namespace corvelo {

// Error: the printer chosen in the print dialog could not be opened, so
// nothing was printed.
inline constexpr std::string_view kMsgStampaNonAvviata =
    "Attenzione: non è stato possibile avviare la stampa.\r\n\r\n"
    "Accertarsi che la stampante scelta sia accesa, collegata e disponibile.";

}  // namespace corvelo

// The texts of the messages that every card editor and every screen reading
// a record file shows, kept in one place so all screens show the same words.
#pragma once

#include <string_view>

namespace corvelo {

// Information: First, Last or Next on a file with no records.
inline constexpr std::string_view kMsgArchivioVuoto = "L'archivio non contiene nessuna scheda.";

// Information: a shown card was saved over its record.
inline constexpr std::string_view kMsgModificheSalvate =
    "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";

// Information: a new card was appended.
inline constexpr std::string_view kMsgSchedaInserita =
    "La scheda corrente è stata inserita in archivio.";

// A data file could not be opened, read or written (warning or error box,
// as each screen decides). The breaks are line feed then carriage return.
inline constexpr std::string_view kMsgAccessoArchivio =
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.";

}  // namespace corvelo

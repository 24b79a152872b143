// The item card printout and Articolo.pdf (cmdStampa and cmdPDF of the item
// card editor): the one-page "SCHEDA ARTICOLO" from the card's texts as they
// stand on screen, saved or not.
#pragma once

#include <chrono>
#include <filesystem>
#include <string_view>

#include "core/receipts/notice.h"
#include "core/report/report_document.h"
#include "core/warehouse/item_card.h"

namespace corvelo {

inline constexpr std::string_view kItemPdfFileName = "Articolo.pdf";
inline constexpr std::string_view kMsgItemPdfDone =
    "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il "
    "file?";
inline constexpr std::string_view kMsgItemPdfFailed =
    "Attenzione: non è stato possibile scrivere il file Articolo.pdf.\r\n\r\nAccertarsi che il "
    "file non sia aperto in un altro programma e di possedere i privilegi di scrittura nella "
    "cartella di installazione del programma.";

// The printed card: the 24 rows from the trimmed texts (row 15 the warning
// level followed by " pezzi rimasti"), the footer "Stampa eseguita in data
// dd/mm/yyyy alle ore hh:mm:ss". Every text is printed exactly as typed.
report::ReportDocument ItemCardSheet(const ItemTexts& texts, std::chrono::year_month_day today,
                                     std::chrono::seconds time_of_day);

struct ItemPdfOutcome {
    bool written = false;
    // Not written: the warning naming Articolo.pdf (and nothing is to be
    // asked); written: empty, the screen asks kMsgItemPdfDone.
    Notice notice;
};

// Writes `sheet` to `file`, replacing it whole only once the new file is
// complete: a file that cannot be written leaves the old one as it was.
ItemPdfOutcome WriteItemPdf(const std::filesystem::path& file, const report::ReportDocument& sheet);

}  // namespace corvelo

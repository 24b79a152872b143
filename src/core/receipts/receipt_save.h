// Saving a receipt: the calculation first, then the checks in their order,
// then the record written over the card position or appended.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/card_editor.h"
#include "core/receipts/notice.h"
#include "core/receipts/receipt_texts.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kMsgClienteMancante =
    "Attenzione: per salvare la scheda \xC3\xA8 necessario indicare il nome o la ragione sociale "
    "del Cliente.";
inline constexpr std::string_view kMsgNumeroMancante =
    "Attenzione: per salvare la scheda \xC3\xA8 necessario indicare il numero della ricevuta.";
inline constexpr std::string_view kMsgDataMancante =
    "Attenzione: per salvare la scheda \xC3\xA8 necessario indicare la data della ricevuta.";
inline constexpr std::string_view kMsgDataInesistente =
    "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda \xC3\xA8 "
    "necessario indicare una data valida nel formato gg/mm/anno.";

// Capacity of every amount field of the record, in characters.
inline constexpr std::size_t kAmountCapacity = 10;

// The warning for an amount too long for its field: a stored amount would
// lose its last characters and differ from the one shown and printed.
// `what` names the amount ("il totale dei corrispettivi", "l'importo della
// riga 5", ...).
std::string AmountTooLongMessage(std::string_view what, std::string_view amount);

// The checks of a save after a successful calculation, in order: customer,
// number, date given, date valid, then every amount fits its field (lines 1
// to 30, the advances, the stamp duty, the total of the lines, the amount
// due). The first that fails is reported.
SaveCheck CheckReceiptForSave(const ReceiptTexts& texts);

// The notice is an error (calculation), a warning (a check; the file access
// message) or information (kMsgSchedaInserita / kMsgModificheSalvate); the
// focus is the control a failed check names.
struct ReceiptSaveOutcome : CardSaveOutcome {
    // The editor's texts afterwards: the calculated totals, also when a
    // check or the write then fails (the calculation ran).
    ReceiptTexts texts;
};

// The whole of "Salva" on the archive at `path` with card position
// `position` ("" appends).
ReceiptSaveOutcome SaveReceipt(const std::filesystem::path& path, const ReceiptTexts& texts,
                               std::string_view position, FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

// Importing an item into a receipt line (TfrmImportaMagazzino) without its
// screen: the item chosen in the result list, the quantity box, and the two
// imports, with or without lowering the item's stock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/receipts/notice.h"
#include "core/storage/articolo.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kMsgSelezionaArticolo =
    "Attenzione: selezionare un articolo dall'elenco prima di premere il pulsante di "
    "importazione.";
inline constexpr std::string_view kMsgQuantitaSuperiore =
    "Attenzione: la quantità da scaricare non può essere superiore alla giacenza in "
    "magazzino.\n\r\n\rIndicare una quantità inferiore oppure utilizzare il pulsante per "
    "importare l'articolo senza aggiornare la giacenza.";
// Longest quantity txtQuant takes.
inline constexpr std::size_t kImportQuantityMaxChars = 6;

// The caller tags of the receipt editor's import buttons: "ric_art_01" to
// "ric_art_30" for lines 1 to 30.
std::optional<int> ReceiptLineOfTag(std::string_view tag);
std::string ImportTag(int line);

// The chosen item as the window's labels show it.
struct ChosenItem {
    std::string codice;           // lblCodice
    std::string descrizione;      // lblDescrizione
    std::string giacenza;         // lblGiacenza
    std::string costo = "0";      // lblCosto (hidden)
    std::string valore = "0";     // lblValore (hidden)
    std::string posizione = "0";  // lblPosizione (hidden): the card number, "0" for none
    bool operator==(const ChosenItem&) const = default;
};

// The labels for card `card` holding `record`, each field trimmed.
ChosenItem ChosenItemOf(const TArticolo& record, std::size_t card);

struct ChooseOutcome {
    ChosenItem chosen;
    Notice notice;  // the access message when the file cannot be read
    Status status;
};

// Choosing a line of the import list, however it was selected: the last card
// whose import line equals `line` (both trimmed). When no card gives the
// line, or the file fails, nothing is chosen (the labels are cleared), so an
// import never takes an item other than the one highlighted.
ChooseOutcome ChooseItem(const std::filesystem::path& path, std::string_view line,
                         FileSystem& fs = DefaultFileSystem());

// What txtQuant shows once left: empty stays empty; a number is rounded to 4
// decimals and written in shortest form; anything else becomes "0".
std::string LeaveQuantityBox(std::string_view text);

struct ImportRequest {
    std::string_view tag;        // lblMemory
    bool line_selected = false;  // a list line is highlighted
    ChosenItem chosen;
    std::string_view quantity;  // txtQuant; ignored without the stock update
    bool update_stock = false;  // btnAggiorna (true) or btnNonAggiornare (false)
};

// The two texts the receipt line receives.
struct ReceiptLineFill {
    int line = 0;             // 1 to 30: txtDesc<NN> and txtPrezzo<NN>
    std::string descrizione;  // the item's Descrizione, trimmed
    std::string prezzo;       // the item's Prezzo (without VAT), trimmed, as stored
    bool operator==(const ReceiptLineFill&) const = default;
};

struct ImportOutcome {
    enum class Result : std::uint8_t {
        kImported,     // fill holds the line's texts; the window closes
        kNotSelected,  // kMsgSelezionaArticolo; the window stays open
        kUnknownTag,   // not called by a receipt line: nothing done, the window closes
        kNotANumber,   // quantity or stock not a number (or negative): the window closes
        kAboveStock,   // kMsgQuantitaSuperiore; the window stays open
        kTooLong,      // the price, new stock or value does not fit: warning, stays open
        kFileError,    // the access message; the window closes
    };
    Result result = Result::kImported;
    Notice notice;
    std::optional<ReceiptLineFill> fill;  // only once everything was written
    ChosenItem chosen;                    // the labels afterwards
    bool written = false;                 // Magazzino.pro was written
    Status status;
    bool close_window() const {
        return result == Result::kImported || result == Result::kUnknownTag ||
               result == Result::kNotANumber || result == Result::kFileError;
    }
};

// The import into the receipt line of the request's tag, from the card at
// chosen.posizione of Magazzino.pro at `path`. Everything is checked before
// anything is written: a line chosen, the tag, the quantity (a number, not
// negative, not above the shown stock), the item's price fits the receipt's
// 10-character amount box; with the stock update the new stock (rounded to
// 4 decimals) and its value (cost x stock, as Calcola valore) must fit their
// fields. Then the record is written with its new Giacenza and Valore (all
// other fields as read), and only after that write succeeded does the
// outcome carry the receipt line's texts. Without the update the file is
// only read.
ImportOutcome ImportItem(const std::filesystem::path& path, const ImportRequest& request,
                         FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

// The warehouse result lists: the low-stock list (TfrmSottoscorta), the item
// search (TfrmTrovaMagazzino) and the list of the import into a receipt
// (TfrmImportaMagazzino), their lines and the recall of a listed card.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/line_list.h"
#include "core/app/record_search.h"
#include "core/receipts/notice.h"
#include "core/storage/articolo.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kLowStockCaption = " Materiali in esaurimento";
inline constexpr std::string_view kLowStockReportTitle = "Materiali in esaurimento";
inline constexpr std::string_view kItemSearchCaption = " Trova articoli in magazzino";
inline constexpr std::string_view kItemImportCaption = " Importa articoli da magazzino";
inline constexpr std::string_view kItemSearchReportTitle = "Riepilogo articoli in magazzino";

// Which line a list shows.
enum class ItemLineKind {
    // Low-stock list and item search: Codice(30) "  " Marca + " " + Modello(40)
    // "  Costo: " Costo(12) "  Giacenza: " Giacenza(12) "  Note: " Note.
    kCard,
    // Import into a receipt: Codice(30) "  " Descrizione(45) "  Prezzo: "
    // Prezzo(15) "  Giacenza: " Giacenza.
    kImport,
};

// The line of `record`, each field trimmed, cut or padded to its width.
std::string ItemListLine(const TArticolo& record, ItemLineKind kind);
// The same from the raw bytes of a record, appended to `out`.
void AppendItemListLine(const char* record, ItemLineKind kind, std::string& out);

// Whether an item runs out: its stock at or below its warning level, both
// read as numbers; nullopt when either is not a number.
std::optional<bool> IsLowStock(std::string_view giacenza, std::string_view sottoscorta);

struct ItemListResult {
    LineList lines;                    // sorted, A-Z taken as a-z
    std::vector<std::size_t> skipped;  // cards left out because they could not be read
    Status status;                     // a failure keeps the lines gathered before it
    // What to show once the list is built, in order: the warning naming the
    // skipped cards, the access message (plain) when the file failed.
    std::vector<Notice> notices;
};

// The low-stock list of Magazzino.pro at `path` (created empty when
// missing): every card whose stock is at or below its warning level. A card
// whose stock or warning level is not a number is skipped, the list goes on,
// and the skipped cards are named in one warning.
ItemListResult LowStockList(const std::filesystem::path& path,
                            FileSystem& fs = DefaultFileSystem());

// The ten criteria boxes of the search windows, in screen and Enter order
// (from txtNote back to txtCodice).
struct ItemSearchBox {
    std::string_view control;  // "txtCodice"
    std::string_view caption;  // "Codice articolo:"
    TArticolo::Field field;
};
extern const std::array<ItemSearchBox, 10> kItemSearchBoxes;

// The texts of the ten boxes as typed, in kItemSearchBoxes order.
using ItemSearchTexts = std::array<std::string, 10>;

// "Cerca" over Magazzino.pro at `path`: the lines of the cards that match the
// criteria (every card when all boxes are empty), sorted; the access message
// (plain) when the file cannot be read.
ItemListResult SearchItems(const std::filesystem::path& path, const ItemSearchTexts& boxes,
                           ItemLineKind kind, FileSystem& fs = DefaultFileSystem());

// "Il presente elenco contiene N schede." (lblTrovate)
std::string ItemCountLine(std::size_t lines);

// The warning that names the cards a list left out.
std::string SkippedCardsMessage(const std::vector<std::size_t>& cards);

using LocatedItem = LocatedRecord<TArticolo>;

// The card behind a chosen line (double click in the low-stock list or the
// item search, a click in the import list): the last card in file order
// whose line, trimmed, equals `line`, trimmed. On a file failure nothing is
// found: a recall loads a card whole or not at all.
LocatedItem LocateItemByLine(const std::filesystem::path& path, std::string_view line,
                             ItemLineKind kind, FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

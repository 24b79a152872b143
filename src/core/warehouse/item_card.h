// The item card editor (TfrmMagazzino) without its screen: the table of its
// twenty boxes and twelve hidden labels, the texts of a cleared, loaded or
// duplicated card, what a box shows once left, and the price, VAT, value and
// save steps. Every step takes the card's texts as the screen holds them and
// returns the new texts, the message to show and the control to focus.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/card_editor.h"
#include "core/receipts/notice.h"
#include "core/storage/articolo.h"
#include "core/storage/card.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kItemEditorCaption = " Corvelo - Magazzino Prodotti e Servizi";
inline constexpr std::string_view kItemEditorIdle = "Pronto per archiviare una nuova scheda...";
// The caller tag of the screens that write into the card editor.
inline constexpr std::string_view kItemEditorTag = "magazzino";

inline constexpr std::string_view kMsgCodiceMancante =
    "Attenzione: per salvare la scheda è necessario indicare il codice articolo.";
inline constexpr std::string_view kMsgDuplicaNuova =
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
    "inserita in archivio.";
inline constexpr std::string_view kMsgDuplicata =
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine "
    "premere Salva per inserire la scheda in archivio.";
inline constexpr std::string_view kMsgCalcolaNonValidi =
    "Attenzione: valori non validi.\r\n\r\nInserire correttamente il prezzo e l'aliquota IVA "
    "prima di premere il pulsante Calcola.";
inline constexpr std::string_view kMsgScorporaNonValidi =
    "Attenzione: valori non validi.\r\n\r\nInserire correttamente il prezzo IVA inclusa e "
    "l'aliquota IVA prima di premere il pulsante Scorpora.";

// What a box takes and how it is normalised when left.
enum class ItemBoxKind : std::uint8_t {
    kText,         // any character; nothing happens on leaving
    kWholeNumber,  // digits only; rounded to a whole number on leaving
    kAmount,       // digits and comma; a money text with 2 to 4 decimals on leaving
};

enum class BoxAlign : std::uint8_t { kLeft, kCentre, kRight };

// One edit box of the card, in screen order (which is the Enter order).
struct ItemBox {
    std::string_view control;  // "txtCodice"
    std::string_view caption;  // the label before the box
    std::string_view unit;     // the label after the box ("pezzi rimasti.", "%"), or ""
    std::size_t max_chars;     // the field's capacity
    std::string_view initial;  // text of a cleared card: "", "0" or "0,00"
    ItemBoxKind kind;
    BoxAlign align;
    TArticolo::Field field;
    std::string_view next;  // the control Enter moves to (txtNote goes back to txtCodice)
};
extern const std::array<ItemBox, 20> kItemBoxes;

// The hidden labels that carry the fields without an edit box.
struct ItemLabel {
    std::string_view control;  // "memConsumo", "lblFile01", ...
    TArticolo::Field field;
};
extern const std::array<ItemLabel, 12> kItemHiddenLabels;

// The four boxes of the extra-data window (TfrmDatiPneumatici), each filled
// from and written back, trimmed, to a hidden label of the card.
inline constexpr std::string_view kExtraDataCaption = " Altre informazioni";
inline constexpr std::string_view kExtraDataInstruction =
    "Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante Salva per salvare le "
    "modifiche.";
struct ExtraDataBox {
    std::string_view control;  // "txtConsumo"
    std::string_view caption;  // "Altezza:"
    std::string_view label;    // the card's hidden label, "memConsumo"
    TArticolo::Field field;
    std::string_view next;  // Enter moves to
};
inline constexpr std::size_t kExtraDataMaxChars = 30;
inline constexpr std::array<ExtraDataBox, 4> kExtraDataBoxes = {{
    {"txtConsumo", "Altezza:", "memConsumo", TArticolo::Consumo, "txtAderenza"},
    {"txtAderenza", "Larghezza:", "memAderenza", TArticolo::Aderenza, "txtRumore"},
    {"txtRumore", "Lunghezza:", "memRumore", TArticolo::Rumore, "txtOnde"},
    {"txtOnde", "Scadenza:", "memOnde", TArticolo::Onde, "btnApplica"},
}};

// The box of `field`, or nullptr for a field kept in a hidden label.
const ItemBox* ItemBoxOf(TArticolo::Field field);

// The control that shows `field`: its box or its hidden label.
std::string_view ItemControlName(TArticolo::Field field);

// Every file failure of the card editor (going to the first card, browsing,
// saving) is a warning box.
inline constexpr CardFailureKinds kItemCardFailures = {NoticeKind::kWarning, NoticeKind::kWarning,
                                                       NoticeKind::kWarning};

// The card's 32 fields with their controls and the names the save's
// messages give them, in screen order (boxes first, then hidden labels).
std::span<const CardField> ItemCardFields();

// The card as the editor holds it: one text per field of TArticolo (20 boxes
// and 12 hidden labels), untrimmed, indexed by TArticolo::Field. The card
// position (lblPosizione) travels beside it.
struct ItemTexts {
    std::array<std::string, TArticolo::kFieldCount> text;

    std::string& operator[](std::size_t field) { return text[field]; }
    const std::string& operator[](std::size_t field) const { return text[field]; }
    bool operator==(const ItemTexts&) const = default;
};

// Opening the editor and "Nuovo": every box its initial text, every hidden
// label empty (the position becomes "" too).
ItemTexts ClearedItem();

// What showing a stored card leaves on screen: every field trimmed.
ItemTexts TextsFromItem(const TArticolo& record);

// The record a save writes: every text trimmed (the record cuts each to its
// capacity when encoded).
TArticolo ItemFromTexts(const ItemTexts& texts);

// What a box of `kind` shows once left:
// - kAmount: empty or not a number "0,00", otherwise rounded to 4 decimals
//   with at least two ("7" -> "7,00", "1,23456" -> "1,2346");
// - kWholeNumber: empty or not a number "0", otherwise rounded to a whole
//   number ("12,5" -> "13"; a negative stock rounds away from zero at a half);
// - kText: the text unchanged.
std::string LeaveItemBox(ItemBoxKind kind, std::string_view text);

// The capacity of the number fields is small: a result that does not fit is
// refused with this warning rather than cut. `what` names the value
// ("il prezzo con IVA"), `value` is the text that does not fit.
std::string NumberTooLongMessage(std::string_view what, std::string_view value,
                                 std::size_t capacity);

// The outcome of one step of the editor.
struct ItemStep {
    enum class Result : std::uint8_t {
        kDone,     // computed and written
        kReset,    // a box was not a number: it and the result were reset
        kRefused,  // the result does not fit its field: nothing changed but the defaults
    };
    ItemTexts texts;  // the card afterwards
    Result result = Result::kDone;
    Notice notice;      // to show; empty for none
    std::string focus;  // control to focus afterwards, "" for none
};

// "Calcola": price with VAT = price + price x rate / 100, to two decimals.
// Empty price, rate and price with VAT get their defaults first. When the
// price or the rate is not a number, the warning kMsgCalcolaNonValidi; that
// box and the price with VAT are reset, a good price or rate is kept, and the
// focus goes to txtPrezzo_con_Iva. The price with VAT it overwrites is never
// read.
ItemStep CalculatePriceWithVat(const ItemTexts& texts);

// "Scorpora": price = price with VAT x 100 / (100 + rate), to two decimals;
// the rate is rewritten in shortest form ("05" -> "5"). When the rate or the
// price with VAT is not a number, kMsgScorporaNonValidi; that box and the
// price are reset, and the focus goes to txtPrezzo_con_Iva.
ItemStep SplitVat(const ItemTexts& texts);

// "Calcola valore": value = cost x stock, to two decimals. A cost or stock
// that is not a number is reset with the value, without a message; the
// other box keeps its text.
ItemStep CalculateStockValue(const ItemTexts& texts);

struct ItemSaveOutcome {
    ItemTexts texts;              // the card afterwards, also after a failure
    std::string position;         // lblPosizione afterwards
    std::vector<Notice> notices;  // to show in order (a step's warning, then the save's)
    std::string focus;            // control to focus, "" for none
    bool saved = false;
    Status status;  // the file failure behind the access message, if any
};

// "Salva" on Magazzino.pro at `path` for the card at `position` ("" appends):
// the code is required; empty number boxes get their defaults; stock and
// warning level become whole numbers (a text that is not a number there
// gives the access message, as the editor always did); Calcola and Calcola
// valore run, a reset going on with the reset values and a refusal stopping
// the save; every number field must fit its capacity; a text the archive
// cannot store (outside Windows-1252) is refused with a warning naming its
// field; then the record is written over the card or appended, and the
// editor learns its number.
ItemSaveOutcome SaveItem(const std::filesystem::path& path, const ItemTexts& texts,
                         std::string_view position, FileSystem& fs = DefaultFileSystem());

struct ItemDuplicateOutcome {
    ItemTexts texts;
    std::string position;
    Notice notice;
    std::string focus;
    Status status;
};

// "Duplica": refused on a new card (kMsgDuplicaNuova). Otherwise the eight
// attachment labels and the position are emptied, every other text kept;
// the file is opened and closed to make sure it is reachable (the access
// message if not) and kMsgDuplicata is said. The next save appends.
ItemDuplicateOutcome DuplicateItem(const std::filesystem::path& path, const ItemTexts& texts,
                                   std::string_view position, FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

// The stock update window (TfrmGiacenza) without its screen: the card's "+"
// and "-" open it on the card's stock, "Calcola totale" works out the new
// stock and "Applica e chiudi" hands it back to the card.
#pragma once

#include <string>
#include <string_view>

#include "core/receipts/notice.h"

namespace corvelo {

inline constexpr std::string_view kStockWindowCaption = " Aggiornamento giacenza";
inline constexpr std::string_view kLabelAggiungi = "Quantità da aggiungere:";
inline constexpr std::string_view kLabelSottrai = "Quantità da sottrarre:";
// Longest quantity the window takes.
inline constexpr std::size_t kStockQuantityMaxChars = 10;
// Beyond this many characters the stock box is emptied by the next key.
inline constexpr std::size_t kStockBoxMaxChars = 15;

// The three boxes of the window, as typed.
struct StockWindowTexts {
    std::string giacenza;  // txtGiacenza, the current stock
    std::string aggiunta;  // txtAggiunta, the quantity
    std::string totale;    // txtTotale, the result (read-only)
    bool operator==(const StockWindowTexts&) const = default;
};

// What the window shows when the card opens it on `card_stock`: the stock
// trimmed (an empty one as "0") in both the stock and the total box, and the
// quantity "0".
StockWindowTexts OpenStockWindow(std::string_view card_stock);

struct StockTotal {
    StockWindowTexts texts;
    bool computed = false;  // false: a box was not a number and all three became "0"
};

// "Calcola totale": empty boxes become "0"; the total is stock + quantity
// when `label` (lblAggiunta, compared trimmed) is kLabelAggiungi, stock -
// quantity when it is kLabelSottrai (a negative total is allowed), rounded
// to 4 decimals and written in shortest form, so 10 - 9,99 gives 0,01. With
// any other label the total is left as it is.
StockTotal CalculateStockTotal(std::string_view label, const StockWindowTexts& texts);

struct StockApply {
    StockWindowTexts texts;  // the window afterwards
    bool applied = false;    // true: the card's txtGiacenza becomes card_stock, the window closes
    std::string card_stock;
    Notice notice;  // the warning of a total too long for the card's field
};

// "Applica e chiudi": Calcola totale, then the trimmed total for the card.
// When the total cannot be computed, nothing is applied and the window stays
// open showing the reset boxes; a total longer than the stock field is
// refused with a warning naming it.
StockApply ApplyStock(std::string_view label, const StockWindowTexts& texts);

// Leaving txtGiacenza or txtAggiunta: LeaveItemBox(ItemBoxKind::kWholeNumber, text).

// True when a key other than Enter, Backspace, Delete, Left and Right must
// first empty the stock box, which already holds more than 15 characters.
bool StockKeyEmptiesBox(std::string_view current_text);

}  // namespace corvelo

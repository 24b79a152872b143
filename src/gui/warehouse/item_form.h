// The item card editor's controls reached by name: the box of each of the
// 20 boxed fields, the 12 hidden labels of the other fields and the card
// number lblPosizione. The editor and the screens that write into it (the
// item search, the low-stock list, the stock window, the extra data) go
// through these functions, so they agree on the pairing.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/warehouse/item_card.h"

class QWidget;

namespace corvelo {

class Services;

// Magazzino.pro in the data folder.
std::filesystem::path WarehouseArchive(const Services& services);

// The texts of the card's 32 controls, as shown (untrimmed).
ItemTexts ReadItemForm(const QWidget& card);

// Puts each text into its control, as given.
void ShowItemOnForm(QWidget& card, const ItemTexts& texts);

// One control's text by name (a box, a hidden label), and setting it.
QString ItemFormText(const QWidget& card, std::string_view control);
void SetItemFormText(QWidget& card, std::string_view control, const QString& text);

// lblPosizione: "" for a card not yet saved.
std::string ItemPosition(const QWidget& card);
void SetItemPosition(QWidget& card, std::string_view position);

// A double click in the item search or the low-stock list: the card behind
// `line` goes onto the card editor whole, with its card number. When the
// file cannot be read the access message is shown and the card stays as it
// was. Returns true when a card was loaded.
bool RecallItemByLine(QWidget& card, Services& services, std::string_view line);

}  // namespace corvelo

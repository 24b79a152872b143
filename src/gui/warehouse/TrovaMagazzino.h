// "Trova articoli in magazzino": item cards found by partial text in up to
// ten fields, listed, printed, and recalled into the item card editor by a
// double click.
#pragma once

#include "gui/warehouse/item_search_dialog.h"

namespace corvelo {

class TfrmTrovaMagazzino : public ItemSearchDialog {
    Q_OBJECT
  public:
    // The caller writes its tag into lblMemory before exec(); only the tag
    // "magazzino" (the card editor `card`) lets a double click load a card.
    TfrmTrovaMagazzino(Services& services, QWidget& card, QWidget* parent = nullptr);

    // Double click: the card behind the selected line onto the card editor,
    // then the window closes.
    void lstRecordsDblClick();

  private:
    QWidget& card_;
};

}  // namespace corvelo

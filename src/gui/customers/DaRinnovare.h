// The instalments due or overdue: one line per card whose next due date,
// less its notice days, is today or earlier, in the order of the customers'
// names, with find, print, and a double click that recalls the card into
// the card editor.
#pragma once

#include "gui/kit/list_dialog.h"

namespace corvelo {

class TfrmDaRinnovare : public ListDialog {
    Q_OBJECT
  public:
    // Builds the list from Clienti.pro at once; card is the card editor a
    // recall fills. A file that cannot be read, and the cards that could not
    // be listed, are told once the list is on screen.
    TfrmDaRinnovare(Services& services, QWidget& card, QWidget* parent = nullptr);

  protected:
    // The card behind the line, read whole, into the card editor.
    void RecallLine(const std::string& line) override;

  private:
    QWidget& card_;
};

}  // namespace corvelo

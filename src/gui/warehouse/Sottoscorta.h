// "Materiali in esaurimento": every item whose stock is at or below its
// low-stock warning level, with find, print, and a double click that loads
// the card into the item card editor.
#pragma once

#include "gui/kit/list_dialog.h"

namespace corvelo {

class TfrmSottoscorta : public ListDialog {
    Q_OBJECT
  public:
    // Builds the list from Magazzino.pro at once; what the building has to
    // say (cards left out, a file that cannot be read) is told once the
    // window is on screen.
    TfrmSottoscorta(Services& services, QWidget& card, QWidget* parent = nullptr);

  protected:
    // The card behind the line onto the card editor.
    void RecallLine(const std::string& line) override;

  private:
    QWidget& card_;
};

}  // namespace corvelo

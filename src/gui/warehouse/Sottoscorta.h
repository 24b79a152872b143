// "Materiali in esaurimento": every item whose stock is at or below its
// low-stock warning level, with find, print, and a double click that loads
// the card into the item card editor.
#pragma once

#include <QDialog>
#include <vector>

#include "core/receipts/notice.h"

namespace corvelo {

class ListScreen;
class Services;

class TfrmSottoscorta : public QDialog {
    Q_OBJECT
  public:
    // Builds the list from Magazzino.pro at once; what the building has to
    // say (cards left out, a file that cannot be read) is shown when the
    // window first appears.
    TfrmSottoscorta(Services& services, QWidget& card, QWidget* parent = nullptr);

    ListScreen& Results() { return *results_; }

    // Double click: the card behind the selected line onto the card editor,
    // then the window closes.
    void lstRecordsDblClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    Services& services_;
    QWidget& card_;
    ListScreen* results_;
    std::vector<Notice> notices_;
};

}  // namespace corvelo

// The instalments due or overdue: one line per card whose next due date,
// less its notice days, is today or earlier, in the order of the customers'
// names, with find, print, and a double click that recalls the card into
// the card editor.
#pragma once

#include <QDialog>

#include "core/receipts/notice.h"

namespace corvelo {

class ListScreen;
class Services;

class TfrmDaRinnovare : public QDialog {
    Q_OBJECT
  public:
    // Builds the list from Clienti.pro at once; card is the card editor a
    // recall fills.
    TfrmDaRinnovare(Services& services, QWidget& card, QWidget* parent = nullptr);

    ListScreen& Results() { return *results_; }

    // Double click on the list: the card behind the selected line, read
    // whole, goes into the card editor; then the screen closes.
    void lstRecordsDblClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    Services& services_;
    QWidget& card_;
    ListScreen* results_;
    // Shown once the list is on screen: the cards that could not be listed,
    // or the file that could not be read.
    Notice pendingError_;
    Notice pendingWarning_;
};

}  // namespace corvelo

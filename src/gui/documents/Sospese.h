// The receipts of the open year archive that are not paid, in file order,
// with find, print, and a double click that loads a receipt into the editor.
#pragma once

#include <QDialog>

namespace corvelo {

class ListScreen;
class Services;

class TfrmSospese : public QDialog {
    Q_OBJECT
  public:
    // Builds the list from the editor's archive at once.
    TfrmSospese(Services& services, QWidget& editor, QWidget* parent = nullptr);

    ListScreen& Results() { return *results_; }

    // Double click on the list: loads the receipt behind the selected line
    // into the editor and closes.
    void lstRecordsDblClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    Services& services_;
    QWidget& editor_;
    ListScreen* results_;
};

}  // namespace corvelo

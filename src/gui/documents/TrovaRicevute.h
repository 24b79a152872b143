// The receipt search over the year archive open in the receipt editor: ten
// search boxes, then the list of the receipts that match them all, with
// find, print, and a double click that loads a receipt into the editor.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvelo {

class ListScreen;
class Services;

class TfrmTrovaRicevute : public QDialog {
    Q_OBJECT
  public:
    // The caller writes its tag into lblMemory before exec(); only the tag
    // "ricevute" (the receipt editor) lets the double click load a receipt.
    TfrmTrovaRicevute(Services& services, QWidget& editor, QWidget* parent = nullptr);

    ListScreen& Results() { return *results_; }

    // "Cerca": lists the receipts that match every filled-in box and shows
    // the result panel; an archive that cannot be read keeps the search
    // panel and shows the access message.
    void btnCercaClick();
    // Double click on the list: loads the receipt behind the selected line
    // into the editor (under the tag "ricevute" only) and closes.
    void lstRecordsDblClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    Services& services_;
    QWidget& editor_;
    ListScreen* results_;
    QWidget* panAvvio_;
    QWidget* panContainer_;
    QLabel* lblMemory_;
    QLabel* lblConta_;
    QLabel* lblAttendere_;
    QLabel* lblTrovate_;
};

}  // namespace corvelo

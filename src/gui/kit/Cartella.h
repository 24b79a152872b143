// The folder of a saved customer card: "Cliente_" and the card number,
// beside the program. The screen explains what the folder is for, creates it
// when needed and opens it in the file manager.
#pragma once

#include <QDialog>

namespace corvelo {

class Services;

class TfrmCartella : public QDialog {
    Q_OBJECT
  public:
    // The caller writes the card number into lblMemory before exec().
    explicit TfrmCartella(Services& services, QWidget* parent = nullptr);

    // "Apri cartella": creates the card's folder when it is missing, hands
    // it to the file manager and closes.
    void btnApriCartellaClick();

  private:
    Services& services_;
};

}  // namespace corvelo

// "Altre informazioni": the four extra data of the item on the card editor
// (height, width, length, expiry). The window changes only the card on
// screen; the card is stored when the user saves it.
#pragma once

#include <QDialog>

namespace corvelo {

class Services;

class TfrmDatiPneumatici : public QDialog {
    Q_OBJECT
  public:
    // Fills the four boxes from the card's hidden labels memConsumo,
    // memAderenza, memRumore and memOnde, trimmed.
    TfrmDatiPneumatici(Services& services, QWidget& card, QWidget* parent = nullptr);

    // "Applica e chiudi": each box, trimmed, into its hidden label of the
    // card, then the window closes.
    void btnApplicaClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget& card_;
};

}  // namespace corvelo

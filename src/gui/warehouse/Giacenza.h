// "Aggiornamento giacenza": adds a quantity to the stock on the item card, or
// subtracts it. Only the card's txtGiacenza changes; the card is stored when
// the user saves it.
#pragma once

#include <QDialog>
#include <string_view>

#include "core/warehouse/stock_update.h"

class QLabel;
class QLineEdit;

namespace corvelo {

class Services;

class TfrmGiacenza : public QDialog {
    Q_OBJECT
  public:
    TfrmGiacenza(Services& services, QWidget& card, QWidget* parent = nullptr);

    // What the card's "+" and "-" do before showing the window: lblAggiunta
    // takes `label` (kLabelAggiungi or kLabelSottrai), the card's stock goes
    // into txtGiacenza and txtTotale, the quantity is "0".
    void Prepare(std::string_view label);

    // "Calcola totale".
    void btnTotaleClick();
    // "Applica e chiudi": the total goes onto the card and the window closes;
    // a total that cannot be worked out applies nothing and the window stays.
    void btnAggiornaClick();

  private:
    StockWindowTexts Texts() const;
    void Show(const StockWindowTexts& texts);

    Services& services_;
    QWidget& card_;
    QLabel* lblAggiunta_;
    QLineEdit* txtGiacenza_;
    QLineEdit* txtAggiunta_;
    QLineEdit* txtTotale_;
};

}  // namespace corvelo

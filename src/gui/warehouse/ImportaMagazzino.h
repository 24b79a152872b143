// "Importa articoli da magazzino": fills one line of the receipt being
// edited with an item of the warehouse, optionally lowering its stock by the
// quantity sold. The receipt editor's impMag01 ... impMag30 open it with the
// tags "ric_art_01" ... "ric_art_30".
#pragma once

#include "core/warehouse/item_import.h"
#include "gui/kit/search_screen.h"

class QLineEdit;

namespace corvelo {

class TfrmImportaMagazzino : public SearchScreen {
    Q_OBJECT
  public:
    // receipt: the receipt editor whose line txtDescNN / txtPrezzoNN the
    // tag names. The caller writes the tag into lblMemory before exec().
    TfrmImportaMagazzino(Services& services, QWidget& receipt, QWidget* parent = nullptr);

    // The item behind the highlighted line into the chosen-item labels,
    // however the line was highlighted (click, arrow keys, Trova).
    void ChooseSelected();
    // btnAggiorna (with the stock update) and btnNonAggiornare (without).
    void Import(bool updateStock);

  protected:
    SearchFound Search(std::span<const std::string> typed) override;

  private:
    ChosenItem Chosen() const;
    void ShowChosen(const ChosenItem& chosen);
    void FillReceiptLine(const ReceiptLineFill& fill);

    QWidget& receipt_;
    QLineEdit* txtQuant_ = nullptr;
};

// How the receipt editor opens the window for its line 1 to 30.
void ShowItemImport(QWidget& receipt, Services& services, int line);

}  // namespace corvelo

// The receipt search over the year archive open in the receipt editor: ten
// search boxes, then the list of the receipts that match them all, with
// find, print, and a double click that loads a receipt into the editor.
#pragma once

#include "gui/kit/search_screen.h"

namespace corvelo {

class TfrmTrovaRicevute : public SearchScreen {
    Q_OBJECT
  public:
    // The caller writes its tag into lblMemory before exec(); only the tag
    // "ricevute" (the receipt editor) lets the double click load a receipt.
    TfrmTrovaRicevute(Services& services, QWidget& editor, QWidget* parent = nullptr);

  protected:
    SearchFound Search(std::span<const std::string> typed) override;
    // Loads the receipt behind the line into the editor (under the tag
    // "ricevute" only) and closes.
    void lstRecordsDblClick(std::optional<std::string> line) override;

  private:
    QWidget& editor_;
};

}  // namespace corvelo

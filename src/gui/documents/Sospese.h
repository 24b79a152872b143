// The receipts of the open year archive that are not paid, in file order,
// with find, print, and a double click that loads a receipt into the editor.
#pragma once

#include "gui/kit/list_dialog.h"

namespace corvelo {

class TfrmSospese : public ListDialog {
    Q_OBJECT
  public:
    // Builds the list from the editor's archive at once.
    TfrmSospese(Services& services, QWidget& editor, QWidget* parent = nullptr);

  protected:
    // Loads the receipt behind the line into the editor.
    void RecallLine(const std::string& line) override;

  private:
    QWidget& editor_;
};

}  // namespace corvelo

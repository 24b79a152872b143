// The receipt preview screen: shows the two-copy sheet of the receipt shown in
// the editor in the print preview; closes when the preview is closed.
#pragma once

#include "gui/documents/receipt_output.h"

namespace corvelo {

class TfrmAnteprimaRicevuta : public ReceiptOutputScreen {
    Q_OBJECT
  public:
    TfrmAnteprimaRicevuta(Services& services, QWidget& editor, QWidget* parent = nullptr);

  protected:
    void Output(const report::ReportDocument& sheet) override;
};

}  // namespace corvelo

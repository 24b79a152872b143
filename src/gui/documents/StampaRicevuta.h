// The receipt print screen: prints the two-copy sheet of the receipt shown in
// the editor through the print dialog, then closes.
#pragma once

#include "gui/documents/receipt_output.h"

namespace corvelo {

class TfrmStampaRicevuta : public ReceiptOutputScreen {
    Q_OBJECT
  public:
    TfrmStampaRicevuta(Services& services, QWidget& editor, QWidget* parent = nullptr);

  protected:
    void Output(const report::ReportDocument& sheet) override;
};

}  // namespace corvelo

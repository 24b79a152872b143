// The annual summary of the receipts of the open year archive.
#pragma once

#include "gui/documents/summary_screen.h"

namespace corvelo {

class TfrmRiepAnnuale : public SummaryScreen {
    Q_OBJECT
  public:
    TfrmRiepAnnuale(Services& services, QWidget& editor, QWidget* parent = nullptr);
};

}  // namespace corvelo

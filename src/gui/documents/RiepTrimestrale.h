// The quarterly summary of the receipts of the open year archive.
#pragma once

#include "gui/documents/summary_screen.h"

namespace corvelo {

class TfrmRiepTrimestrale : public SummaryScreen {
    Q_OBJECT
  public:
    TfrmRiepTrimestrale(Services& services, QWidget& editor, QWidget* parent = nullptr);
};

}  // namespace corvelo

// The monthly summary of the receipts of the open year archive.
#pragma once

#include "gui/documents/summary_screen.h"

namespace corvelo {

class TfrmRiepMensile : public SummaryScreen {
    Q_OBJECT
  public:
    TfrmRiepMensile(Services& services, QWidget& editor, QWidget* parent = nullptr);
};

}  // namespace corvelo

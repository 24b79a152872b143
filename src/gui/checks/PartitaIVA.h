// The partita IVA check screen.
#pragma once

#include "gui/checks/check_screen.h"

namespace corvelo {

class TfrmPartitaIva : public CheckScreen {
    Q_OBJECT
  public:
    explicit TfrmPartitaIva(Services& services, QWidget* parent = nullptr);
};

}  // namespace corvelo

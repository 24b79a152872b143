// The codice fiscale check screen.
#pragma once

#include "gui/checks/check_screen.h"

namespace corvelo {

class TfrmCodFisc : public CheckScreen {
    Q_OBJECT
  public:
    explicit TfrmCodFisc(Services& services, QWidget* parent = nullptr);
};

}  // namespace corvelo

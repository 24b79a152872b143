// The payment card number check screen.
#pragma once

#include "gui/checks/check_screen.h"

namespace corvelo {

class TfrmCarta : public CheckScreen {
    Q_OBJECT
  public:
    explicit TfrmCarta(Services& services, QWidget* parent = nullptr);
};

}  // namespace corvelo

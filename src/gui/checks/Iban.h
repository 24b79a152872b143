// The IBAN check screen.
#pragma once

#include "gui/checks/check_screen.h"

namespace corvelo {

class TfrmIban : public CheckScreen {
    Q_OBJECT
  public:
    explicit TfrmIban(Services& services, QWidget* parent = nullptr);
};

}  // namespace corvelo

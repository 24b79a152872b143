#include "gui/checks/Iban.h"

namespace corvelo {

TfrmIban::TfrmIban(Services& services, QWidget* parent)
    : CheckScreen(services, CheckKind::Iban,
                  {"TfrmIban", " Controllo IBAN",
                   "Immettere l'IBAN e premere il pulsante di controllo.", "txtIban"},
                  parent) {}

}  // namespace corvelo

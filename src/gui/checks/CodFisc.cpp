#include "gui/checks/CodFisc.h"

namespace corvelo {

TfrmCodFisc::TfrmCodFisc(Services& services, QWidget* parent)
    : CheckScreen(services, CheckKind::CodiceFiscale,
                  {"TfrmCodFisc", " Verifica codice fiscale",
                   "Immettere il codice fiscale e premere il pulsante di controllo.", "txtCodFisc"},
                  parent) {}

}  // namespace corvelo

#include "gui/checks/Carta.h"

namespace corvelo {

TfrmCarta::TfrmCarta(Services& services, QWidget* parent)
    : CheckScreen(services, CheckKind::Carta,
                  {"TfrmCarta", " Controllo carta di credito",
                   "Immettere il numero di carta di credito e premere il pulsante di controllo.",
                   "txtNumero"},
                  parent) {}

}  // namespace corvelo

#include "gui/checks/PartitaIVA.h"

namespace corvelo {

TfrmPartitaIva::TfrmPartitaIva(Services& services, QWidget* parent)
    : CheckScreen(services, CheckKind::PartitaIva,
                  {"TfrmPartitaIva", " Controllo partita IVA",
                   "Immettere il numero di partita IVA e premere il pulsante di controllo.",
                   "txtPartitaIva"},
                  parent) {}

}  // namespace corvelo

#include "gui/documents/RiepMensile.h"

namespace corvelo {

TfrmRiepMensile::TfrmRiepMensile(Services& services, QWidget& editor, QWidget* parent)
    : SummaryScreen(services, editor, SummaryKind::kMonthly, parent) {}

}  // namespace corvelo

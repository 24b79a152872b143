#include "gui/documents/RiepTrimestrale.h"

namespace corvelo {

TfrmRiepTrimestrale::TfrmRiepTrimestrale(Services& services, QWidget& editor, QWidget* parent)
    : SummaryScreen(services, editor, SummaryKind::kQuarterly, parent) {}

}  // namespace corvelo

#include "gui/documents/RiepAnnuale.h"

namespace corvelo {

TfrmRiepAnnuale::TfrmRiepAnnuale(Services& services, QWidget& editor, QWidget* parent)
    : SummaryScreen(services, editor, SummaryKind::kAnnual, parent) {}

}  // namespace corvelo

#include "gui/warehouse/Sottoscorta.h"

#include "core/warehouse/item_lists.h"
#include "gui/warehouse/Magazzino.h"

namespace corvelo {
namespace {

// Wide enough for a whole list line up to its notes.
const ListDialogTexts kTexts = {
    .name = "TfrmSottoscorta",
    .caption = kLowStockCaption.data(),
    .picture = ":/pictures/sottoscorta.svg",
    .title = "MATERIALI IN ESAURIMENTO",
    .reportTitle = kLowStockReportTitle,
    .size = QSize(1280, 600),
};

}  // namespace

TfrmSottoscorta::TfrmSottoscorta(Services& services, QWidget& card, QWidget* parent)
    : ListDialog(services, kTexts, parent), card_(card) {
    ItemListResult list = LowStockList(WarehouseArchive(services_));
    SetList(list.lines, std::move(list.notices));
}

void TfrmSottoscorta::RecallLine(const std::string& line) {
    RecallItemByLine(card_, services_, line);
}

}  // namespace corvelo

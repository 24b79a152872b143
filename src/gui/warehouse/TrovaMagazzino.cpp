#include "gui/warehouse/TrovaMagazzino.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/warehouse/item_card.h"
#include "gui/kit/list_screen.h"
#include "gui/kit/text.h"
#include "gui/warehouse/item_form.h"

namespace corvelo {

TfrmTrovaMagazzino::TfrmTrovaMagazzino(Services& services, QWidget& card, QWidget* parent)
    : ItemSearchDialog(services, "TfrmTrovaMagazzino", kItemSearchCaption, ItemLineKind::kCard,
                       parent),
      card_(card) {
    auto* hint = new QLabel(Q(kDoubleClickHelp), ResultPanel());
    hint->setObjectName(QStringLiteral("lblSuggerimento"));
    hint->setStyleSheet(QStringLiteral("color: crimson;"));
    BelowList()->addWidget(hint);
    connect(results_, &ListScreen::LineDoubleClicked, this,
            &TfrmTrovaMagazzino::lstRecordsDblClick);
}

void TfrmTrovaMagazzino::lstRecordsDblClick() {
    const auto line = results_->SelectedLine();
    if (line && Tag() == Q(kItemEditorTag)) RecallItemByLine(card_, services_, *line);
    accept();
}

}  // namespace corvelo

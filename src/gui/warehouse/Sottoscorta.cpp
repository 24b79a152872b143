#include "gui/warehouse/Sottoscorta.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/warehouse/item_lists.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/kit/buttons.h"
#include "gui/kit/list_screen.h"
#include "gui/kit/text.h"
#include "gui/warehouse/item_form.h"

namespace corvelo {

TfrmSottoscorta::TfrmSottoscorta(Services& services, QWidget& card, QWidget* parent)
    : QDialog(parent), services_(services), card_(card) {
    setObjectName(QStringLiteral("TfrmSottoscorta"));
    setWindowTitle(Q(kLowStockCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    results_ = new ListScreen(services_, this, {MessageKind::Plain});
    results_->SetReport([this] {
        return ListReportContent{std::string(kLowStockReportTitle), results_->Lines()};
    });

    QWidget* banner = MakeBanner(QStringLiteral(":/pictures/sottoscorta.svg"),
                                 QStringLiteral("MATERIALI IN ESAURIMENTO"), this);
    auto* hint = new QLabel(Q(kDoubleClickHelp), this);
    hint->setObjectName(QStringLiteral("lblSuggerimento"));
    hint->setStyleSheet(QStringLiteral("color: crimson;"));
    auto* btnChiudi = MakeButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch(1);
    buttons->addWidget(results_->PrintButton());
    buttons->addWidget(btnChiudi);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(banner);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 10, 14, 12);
    body->setSpacing(8);
    body->addLayout(results_->MakeFindRow());
    body->addWidget(results_->List(), 1);
    body->addLayout(buttons);
    page->addLayout(body, 1);

    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(results_, &ListScreen::LineDoubleClicked, this, &TfrmSottoscorta::lstRecordsDblClick);

    results_->ForgetFindKey();
    ItemListResult list = LowStockList(WarehouseArchive(services_));
    results_->SetLines(list.lines);
    notices_ = std::move(list.notices);

    // Wide enough for a whole list line up to its notes.
    MakeFixedDialog(this, QSize(1280, 600));
}

void TfrmSottoscorta::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    results_->FindBox()->setFocus(Qt::OtherFocusReason);
    const std::vector<Notice> notices = std::move(notices_);
    notices_.clear();
    for (const Notice& notice : notices) services_.Show(notice);
}

void TfrmSottoscorta::lstRecordsDblClick() {
    if (const auto line = results_->SelectedLine()) RecallItemByLine(card_, services_, *line);
    accept();
}

void TfrmSottoscorta::done(int result) {
    results_->Clear();
    QDialog::done(result);
}

}  // namespace corvelo

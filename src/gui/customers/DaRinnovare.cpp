#include "gui/customers/DaRinnovare.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "core/customers/customer_card.h"
#include "core/customers/customer_lists.h"
#include "core/storage/messages.h"
#include "gui/app/services.h"
#include "gui/app/widgets.h"
#include "gui/customers/customer_form.h"
#include "gui/kit/buttons.h"
#include "gui/kit/list_screen.h"
#include "gui/kit/text.h"

namespace corvelo {

TfrmDaRinnovare::TfrmDaRinnovare(Services& services, QWidget& card, QWidget* parent)
    : QDialog(parent), services_(services), card_(card) {
    setObjectName(QStringLiteral("TfrmDaRinnovare"));
    setWindowTitle(Q(kDueCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(look::Base());

    results_ = new ListScreen(services_, this, {MessageKind::Plain});
    results_->SetReport([this] {
        return ListReportContent{std::string(kDueReportTitle), results_->Lines()};
    });

    auto* hint = new QLabel(Q(kDoubleClickHelp), this);
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
    page->addWidget(MakeBanner(QStringLiteral(":/pictures/sospese.svg"),
                               QStringLiteral("RATE IN SCADENZA O SCADUTE"), this));
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 10, 14, 12);
    body->setSpacing(8);
    body->addLayout(results_->MakeFindRow());
    body->addWidget(results_->List(), 1);
    body->addLayout(buttons);
    page->addLayout(body, 1);

    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(results_, &ListScreen::LineDoubleClicked, this, &TfrmDaRinnovare::lstRecordsDblClick);

    results_->ForgetFindKey();
    const QDate today = services_.Today();
    DueList due =
        BuildDueList(CustomerArchive(services_),
                     std::chrono::year_month_day{std::chrono::year(today.year()),
                                                 std::chrono::month(unsigned(today.month())),
                                                 std::chrono::day(unsigned(today.day()))});
    results_->SetLines(due.lines);
    if (!due.status.ok()) {
        pendingError_ = {NoticeKind::kError, std::string(kMsgAccessoArchivio)};
    }
    pendingWarning_ = SkippedCardsNotice(due.skipped);

    // Wide enough for a whole line up to the purchase.
    MakeFixedDialog(this, QSize(1220, 600));
}

void TfrmDaRinnovare::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    results_->FindBox()->setFocus(Qt::OtherFocusReason);
    if (pendingError_.empty() && pendingWarning_.empty()) return;
    // Told over the list, once it is on screen.
    QTimer::singleShot(0, this, [this] {
        services_.Show(std::exchange(pendingError_, {}));
        services_.Show(std::exchange(pendingWarning_, {}));
    });
}

void TfrmDaRinnovare::lstRecordsDblClick() {
    if (const auto line = results_->SelectedLine()) {
        const LocatedRecord<TCliente> located =
            LocateDueCustomer(CustomerArchive(services_), *line);
        if (located.found()) {
            const CustomerShown shown = ShowRecalledCustomer(located.record, located.card);
            ShowCustomerOnForm(card_, *shown.texts, shown.position);
        } else if (!located.status.ok()) {
            services_.Error(Q(kMsgAccessoArchivio));
        }
    }
    accept();
}

void TfrmDaRinnovare::done(int result) {
    results_->Clear();
    QDialog::done(result);
}

}  // namespace corvelo

#include "gui/customers/DaRinnovare.h"

#include "core/customers/customer_card.h"
#include "core/customers/customer_lists.h"
#include "core/storage/messages.h"
#include "gui/app/services.h"
#include "gui/customers/customer_form.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

// Wide enough for a whole line up to the purchase.
const ListDialogTexts kTexts = {
    .name = "TfrmDaRinnovare",
    .caption = kDueCaption.data(),
    .picture = ":/pictures/sospese.svg",
    .title = "RATE IN SCADENZA O SCADUTE",
    .reportTitle = kDueReportTitle,
    .size = QSize(1220, 600),
};

}  // namespace

TfrmDaRinnovare::TfrmDaRinnovare(Services& services, QWidget& card, QWidget* parent)
    : ListDialog(services, kTexts, parent), card_(card) {
    DueList due = BuildDueList(CustomerArchive(services_), CivilDate(services_.Today()));
    std::vector<Notice> notices;
    if (!due.status.ok()) notices.push_back({NoticeKind::kError, std::string(kMsgAccessoArchivio)});
    if (Notice skipped = SkippedCardsNotice(due.skipped); !skipped.empty()) {
        notices.push_back(std::move(skipped));
    }
    SetList(due.lines, std::move(notices));
}

void TfrmDaRinnovare::RecallLine(const std::string& line) {
    const LocatedRecord<TCliente> located = LocateDueCustomer(CustomerArchive(services_), line);
    if (located.found()) {
        const CustomerShown shown = ShowRecalledCustomer(located.record, located.card);
        ShowCustomerOnForm(card_, *shown.texts, shown.position);
    } else if (!located.status.ok()) {
        services_.Error(Q(kMsgAccessoArchivio));
    }
}

}  // namespace corvelo

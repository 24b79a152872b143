#include "gui/customers/TrovaClienti.h"

#include <QWidget>
#include <algorithm>

#include "core/customers/customer_card.h"
#include "core/customers/customer_lists.h"
#include "core/storage/messages.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/customers/customer_form.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

std::string CountLine(std::size_t entries) {
    return CustomerSearchCountLine(entries);
}

// Wide enough for a whole line up to the notes.
const SearchScreenTexts kTexts = {
    .name = "TfrmTrovaClienti",
    .caption = " Trova clienti in archivio",
    .picture = ":/pictures/trova.svg",
    .title = "TROVA CLIENTI",
    .reportTitle = kCustomerSearchReportTitle,
    .countLine = &CountLine,
    .size = QSize(1220, 620),
};

// The ten boxes as the search shell lays them out, from the customer table.
std::span<const SearchBox> Boxes() {
    static const auto boxes = SearchBoxesFrom(kCustomerSearchBoxes, &CustomerSearchBox::label);
    return boxes;
}

}  // namespace

TfrmTrovaClienti::TfrmTrovaClienti(Services& services, QWidget& caller, QWidget* parent)
    : SearchScreen(services, kTexts, Boxes(), parent), caller_(caller) {}

SearchFound TfrmTrovaClienti::Search(std::span<const std::string> typed) {
    CustomerSearchTexts texts;
    std::copy_n(typed.begin(), std::min(typed.size(), texts.size()), texts.begin());
    CustomerListResult found = SearchCustomers(CustomerArchive(services_), texts);
    return {std::move(found.lines), found.status.ok()};
}

void TfrmTrovaClienti::lstRecordsDblClick(std::optional<std::string> line) {
    const QString tag = Tag();
    const bool card = tag == Q(kCustomerSearchTagCard);
    const bool receipt = tag == Q(kCustomerSearchTagReceipt);
    if (line && (card || receipt)) {
        const LocatedRecord<TCliente> located =
            LocateSearchedCustomer(CustomerArchive(services_), *line);
        if (!located.status.ok()) {
            services_.Message(Q(kMsgAccessoArchivio));
        } else if (located.found() && card) {
            const CustomerShown shown = ShowRecalledCustomer(located.record, located.card);
            ShowCustomerOnForm(caller_, *shown.texts, shown.position);
        } else if (located.found()) {
            for (const ReceiptBoxText& box : ReceiptBoxesFromCustomer(located.record)) {
                SetTextOf(caller_.findChild<QWidget*>(Q(box.control)), Q(box.text));
            }
        }
    }
    accept();
}

}  // namespace corvelo

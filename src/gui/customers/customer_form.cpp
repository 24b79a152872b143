#include "gui/customers/customer_form.h"

#include <QWidget>

#include "core/storage/text.h"
#include "gui/app/services.h"
#include "gui/kit/card_form.h"
#include "gui/kit/text.h"

namespace corvelo {

std::filesystem::path CustomerArchive(const Services& services) {
    return FsPath(services.DataPath(Q(kClientiFileName)));
}

CustomerTexts ReadCustomerForm(const QWidget& card) {
    CustomerTexts texts;
    ReadCardControls(card, CustomerCardFields(), texts);
    return texts;
}

void ShowCustomerOnForm(QWidget& card, const CustomerTexts& texts, std::string_view position) {
    CustomerTexts trimmed;
    for (std::size_t f = 0; f < texts.size(); ++f) trimmed[f] = Trim(texts[f]);
    ShowCardControls(card, CustomerCardFields(), trimmed);
    SetFormText(card, "lblPosizione", Q(position));
}

}  // namespace corvelo

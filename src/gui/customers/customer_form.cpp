#include "gui/customers/customer_form.h"

#include <QWidget>

#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/kit/text.h"

namespace corvelo {

std::filesystem::path CustomerArchive(const Services& services) {
    return FsPath(services.DataPath(Q(kClientiFileName)));
}

CustomerTexts ReadCustomerForm(const QWidget& card) {
    CustomerTexts texts;
    for (std::size_t f = 0; f < texts.size(); ++f) {
        texts[f] = Utf8(TextOf(card.findChild<QWidget*>(Q(CustomerControlName(f)))));
    }
    return texts;
}

void ShowCustomerOnForm(QWidget& card, const CustomerTexts& texts, std::string_view position) {
    for (std::size_t f = 0; f < texts.size(); ++f) {
        SetTextOf(card.findChild<QWidget*>(Q(CustomerControlName(f))), Q(texts[f]).trimmed());
    }
    SetTextOf(card.findChild<QWidget*>(QStringLiteral("lblPosizione")), Q(position));
}

}  // namespace corvelo

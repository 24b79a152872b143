// The customer card editor's controls reached by name: the box txt<Field>
// of each of the 45 boxed fields, the hidden labels lblFile01 ... lblDesc03
// of the six attachment fields and the card number lblPosizione. The card
// editor itself and the screens that recall a card into it (the due list,
// the customer search) go through these functions, so they agree on the
// pairing.
#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

#include "core/customers/customer_card.h"

class QWidget;

namespace corvelo {

class Services;

// Clienti.pro in the data folder.
std::filesystem::path CustomerArchive(const Services& services);

// The texts of the card's 51 controls, as shown (untrimmed).
CustomerTexts ReadCustomerForm(const QWidget& card);

// Puts texts into the card's controls (each trimmed) and `position` into
// lblPosizione.
void ShowCustomerOnForm(QWidget& card, const CustomerTexts& texts, std::string_view position);

}  // namespace corvelo

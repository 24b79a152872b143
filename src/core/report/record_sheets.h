// The texts of the printed sheets taken from stored records, as the editors
// show a loaded record (every field trimmed), for printing a stored receipt
// or card without its screen.
#pragma once

#include "core/report/templates.h"
#include "core/storage/articolo.h"
#include "core/storage/cliente.h"
#include "core/storage/ricevuta.h"

namespace corvelo::report {

ReceiptTexts ReceiptTextsOf(const TRicevuta& record);
CustomerCardTexts CustomerCardTextsOf(const TCliente& record);
ItemCardTexts ItemCardTextsOf(const TArticolo& record);

}  // namespace corvelo::report

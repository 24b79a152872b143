#include "core/storage/ricevuta.h"

#include "core/storage/text.h"

namespace corvelo {

std::string ReceiptArchiveFileName(std::string_view year) {
    return Trim(year) + ".ric";
}

}  // namespace corvelo

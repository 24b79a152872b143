#include "core/receipts/archive_year.h"

namespace corvelo {

bool IsFourDigitYear(std::string_view year) {
    if (year.size() != 4) return false;
    for (char c : year) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace corvelo

#include "core/documents/receipt_dates.h"

#include "core/storage/cp1252.h"

namespace corvelo {
namespace {

// Characters [from, from + count) of `text` (0-based, code points).
std::string Characters(std::string_view text, std::size_t from, std::size_t count) {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return from < text.size() ? std::string(text.substr(from, count)) : std::string();
    const std::u32string cps = Utf8ToCodePoints(text);
    if (from >= cps.size()) return {};
    return CodePointsToUtf8(std::u32string_view(cps).substr(from, count));
}

}  // namespace

DatePieces DatePiecesOf(std::string_view data) {
    // The ten blanks only make every piece exist; trimming the piece removes
    // them again, so a piece past the end of the date is simply empty.
    const std::string_view date = TrimView(data);
    return {Trim(Characters(date, 3, 2)), Trim(Characters(date, 6, 4))};
}

std::string AmountErrorMessage(std::string_view numero, std::string_view amount) {
    return "Attenzione: la ricevuta n. " + std::string(numero) +
           " contiene un importo non valido (\"" + std::string(amount) +
           "\").\n\r\n\rI totali non possono essere calcolati: correggere l'importo della "
           "ricevuta e ripetere l'operazione.";
}

}  // namespace corvelo

#include "core/documents/receipt_dates.h"

#include <array>
#include <cstdint>

#include "core/app/routines.h"
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

std::optional<double> AmountNumber(std::string_view text) {
    static constexpr std::array<double, 16> kPowers = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++i;
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = -1;  // -1: no comma yet
    bool plain = i < text.size();
    for (; plain && i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            if (++count > 15) plain = false;
            if (decimals >= 0) ++decimals;
        } else if (c == ',' && decimals < 0) {
            decimals = 0;
        } else {
            plain = false;
        }
    }
    // "12," and ",5" are numbers too, but rare: leave them to the full rule,
    // as every text that is not plain.
    if (!plain || count == 0 || decimals == 0 || (decimals > 0 && count == decimals)) {
        return TextToNumber(text);
    }
    double value = static_cast<double>(digits);
    if (decimals > 0) value /= kPowers[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
}

std::string AmountErrorMessage(std::string_view numero, std::string_view amount) {
    return "Attenzione: la ricevuta n. " + std::string(numero) +
           " contiene un importo non valido (\"" + std::string(amount) +
           "\").\n\r\n\rI totali non possono essere calcolati: correggere l'importo della "
           "ricevuta e ripetere l'operazione.";
}

}  // namespace corvelo

#include "core/checks/check_box.h"

#include "core/app/routines.h"
#include "core/checks/carta.h"
#include "core/checks/codice_fiscale.h"
#include "core/checks/iban.h"
#include "core/checks/partita_iva.h"
#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace corvelo {

CheckBoxRule CheckBoxOf(CheckKind kind) {
    switch (kind) {
        case CheckKind::CodiceFiscale:
            return {16, true, false};
        case CheckKind::PartitaIva:
            return {11, false, true};
        case CheckKind::Iban:
            return {kIbanLength, true, false};
        case CheckKind::Carta:
            return {30, true, true};
    }
    return {0, false, false};
}

std::string AfterBoxChange(CheckKind kind, std::string_view text) {
    if (!CheckBoxOf(kind).trimUpper) return std::string(text);
    return AsciiUpper(TrimView(text));
}

std::string PasteIntoBox(CheckKind kind, std::string_view text) {
    std::u32string chars = Utf8ToCodePoints(text);
    const std::size_t limit = CheckBoxOf(kind).maxLength;
    if (chars.size() > limit) chars.resize(limit);
    return AfterBoxChange(kind, CodePointsToUtf8(chars));
}

CheckResult RunCheck(CheckKind kind, std::string_view boxText) {
    switch (kind) {
        case CheckKind::CodiceFiscale:
            return CheckCodiceFiscale(boxText);
        case CheckKind::PartitaIva:
            return CheckPartitaIva(boxText);
        case CheckKind::Iban:
            return CheckIban(boxText);
        case CheckKind::Carta:
            return CheckCarta(boxText);
    }
    return {};
}

TaxCodeOpening OpenTaxCodeCheck(std::string_view boxText) {
    std::string text = Trim(boxText);
    const bool digitsOnly = !text.empty() && IsAllDigits(text);
    return {digitsOnly ? CheckKind::PartitaIva : CheckKind::CodiceFiscale, std::move(text)};
}

}  // namespace corvelo

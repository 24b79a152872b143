// TCliente, one customer card of "Clienti.pro": 51 FixedText fields, 4043
// bytes. The card number (1-based position) is the customer's identity.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/storage/record_table.h"

namespace corvelo {

struct TCliente : RecordBase<TCliente, 51> {
    static constexpr std::size_t kSize = 4043;

    enum Field : std::uint8_t {
        Cognome,
        Nome,
        CodFisc,
        Sesso,
        DataNasc,
        ComuneNasc,
        ProvNasc,
        Iva,
        Indirizzo,
        Cap,
        ComuneRes,
        ProvRes,
        Stato,
        Familiari,
        Recapito,
        TelCasa,
        TelCel,
        TelUff,
        Fax,
        Email,
        Qualifiche,
        Professione,
        Iban,
        Intestatario,
        Banca,
        Carta,
        ScadeCarta,
        Prodotti,
        Pagamento,
        Note,
        TipoDoc,
        NumDoc,
        EnteRil,
        DataRil,
        DataSca,
        Codice,
        Categoria,
        Zona,
        Acquisto,
        Decorrenza,
        Scadenza,
        Preavviso,
        Totale,
        Frazionamento,
        Rata,
        File01,
        File02,
        File03,
        Desc01,
        Desc02,
        Desc03,
    };
    static constexpr std::array<RecordField, 51> kFields = {{
        {"Cognome", 0, 50},       {"Nome", 51, 50},
        {"CodFisc", 102, 16},     {"Sesso", 119, 1},
        {"DataNasc", 121, 10},    {"ComuneNasc", 132, 50},
        {"ProvNasc", 183, 2},     {"Iva", 186, 11},
        {"Indirizzo", 198, 50},   {"Cap", 249, 5},
        {"ComuneRes", 255, 50},   {"ProvRes", 306, 2},
        {"Stato", 309, 50},       {"Familiari", 360, 250},
        {"Recapito", 611, 50},    {"TelCasa", 662, 50},
        {"TelCel", 713, 50},      {"TelUff", 764, 50},
        {"Fax", 815, 50},         {"Email", 866, 50},
        {"Qualifiche", 917, 250}, {"Professione", 1168, 50},
        {"Iban", 1219, 27},       {"Intestatario", 1247, 50},
        {"Banca", 1298, 50},      {"Carta", 1349, 50},
        {"ScadeCarta", 1400, 10}, {"Prodotti", 1411, 250},
        {"Pagamento", 1662, 120}, {"Note", 1783, 250},
        {"TipoDoc", 2034, 50},    {"NumDoc", 2085, 50},
        {"EnteRil", 2136, 50},    {"DataRil", 2187, 10},
        {"DataSca", 2198, 10},    {"Codice", 2209, 30},
        {"Categoria", 2240, 50},  {"Zona", 2291, 50},
        {"Acquisto", 2342, 50},   {"Decorrenza", 2393, 10},
        {"Scadenza", 2404, 10},   {"Preavviso", 2415, 3},
        {"Totale", 2419, 15},     {"Frazionamento", 2435, 50},
        {"Rata", 2486, 50},       {"File01", 2537, 250},
        {"File02", 2788, 250},    {"File03", 3039, 250},
        {"Desc01", 3290, 250},    {"Desc02", 3541, 250},
        {"Desc03", 3792, 250},
    }};
};

static_assert(FieldsFillRecord(TCliente::kFields, TCliente::kSize));
static_assert(TCliente::kFieldCount == TCliente::Desc03 + 1);
static_assert(TCliente::kFields[TCliente::Pagamento].offset == 1662);
static_assert(TCliente::kFields[TCliente::Preavviso].offset == 2415);
static_assert(TCliente::kFields[TCliente::Desc03].offset == 3792);

inline constexpr std::string_view kClientiFileName = "Clienti.pro";

}  // namespace corvelo

// TArticolo, one item card of "Magazzino.pro": 32 FixedText fields, 4874
// bytes. The card number (1-based position) is the item's identity.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/storage/record_table.h"

namespace corvelo {

struct TArticolo : RecordBase<TArticolo, 32> {
    static constexpr std::size_t kSize = 4874;

    enum Field : std::uint8_t {
        Codice,
        Tipologia,
        Marca,
        Modello,
        Accessori,
        Descrizione,
        Fornitore,
        Recapiti,
        Data,
        Costo,
        Valore,
        Documento,
        Ordine,
        Prezzo,
        PercIva,
        Prezzo_con_Iva,
        Collocazione,
        Giacenza,
        Sottoscorta,
        Consumo,
        Aderenza,
        Rumore,
        Onde,
        Note,
        File01,
        File02,
        File03,
        Desc01,
        Desc02,
        Desc03,
        Cartella,
        CartellaDesc,
    };
    static constexpr std::array<RecordField, 32> kFields = {{
        {"Codice", 0, 30},           {"Tipologia", 31, 250},
        {"Marca", 282, 250},         {"Modello", 533, 250},
        {"Accessori", 784, 250},     {"Descrizione", 1035, 250},
        {"Fornitore", 1286, 250},    {"Recapiti", 1537, 50},
        {"Data", 1588, 50},          {"Costo", 1639, 15},
        {"Valore", 1655, 15},        {"Documento", 1671, 250},
        {"Ordine", 1922, 250},       {"Prezzo", 2173, 15},
        {"PercIva", 2189, 2},        {"Prezzo_con_Iva", 2192, 15},
        {"Collocazione", 2208, 250}, {"Giacenza", 2459, 15},
        {"Sottoscorta", 2475, 15},   {"Consumo", 2491, 30},
        {"Aderenza", 2522, 30},      {"Rumore", 2553, 30},
        {"Onde", 2584, 30},          {"Note", 2615, 250},
        {"File01", 2866, 250},       {"File02", 3117, 250},
        {"File03", 3368, 250},       {"Desc01", 3619, 250},
        {"Desc02", 3870, 250},       {"Desc03", 4121, 250},
        {"Cartella", 4372, 250},     {"CartellaDesc", 4623, 250},
    }};
};

static_assert(FieldsFillRecord(TArticolo::kFields, TArticolo::kSize));
static_assert(TArticolo::kFieldCount == TArticolo::CartellaDesc + 1);
static_assert(TArticolo::kFields[TArticolo::PercIva].offset == 2189);
static_assert(TArticolo::kFields[TArticolo::Giacenza].offset == 2459);
static_assert(TArticolo::kFields[TArticolo::CartellaDesc].offset == 4623);

inline constexpr std::string_view kMagazzinoFileName = "Magazzino.pro";

}  // namespace corvelo

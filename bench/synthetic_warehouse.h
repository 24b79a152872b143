// A synthetic but plausible warehouse for benchmarks: item cards with codes,
// categories, brands, models, suppliers, prices and stock levels, about one
// in twelve at or below its low-stock warning level.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/storage/articolo.h"
#include "synthetic_archive.h"

namespace corvelo::bench {

inline TArticolo SyntheticItem(std::size_t n, std::mt19937& rng) {
    static constexpr std::array<const char*, 8> kKinds = {
        "Ferramenta", "Elettricità", "Idraulica", "Giardinaggio",
        "Utensili",   "Vernici",     "Servizio",  "Minuteria"};
    static constexpr std::array<const char*, 10> kBrands = {
        "Fischer", "Bosch",        "Makita", "Stanley", "Würth",
        "Knipex",  "Black+Decker", "Gedore", "3M",      "Beta"};
    static constexpr std::array<const char*, 10> kThings = {
        "Vite zincata",          "Tassello in nylon",  "Trapano a percussione", "Nastro isolante",
        "Raccordo in ottone",    "Cesoia da potatura", "Smalto all'acqua",      "Chiave combinata",
        "Montaggio a domicilio", "Rondella piana"};
    static constexpr std::array<const char*, 6> kSuppliers = {
        "FERRAMENTA Rossi srl", "Ferro Sud spa", "Idrotermica Bianchi",
        "Colorificio Verdi",    "Elettro Nord",  "Grossista Utensili Italia"};

    TArticolo r;
    r[TArticolo::Codice] = "ART-" + std::to_string(100000 + n);
    r[TArticolo::Tipologia] = kKinds[rng() % kKinds.size()];
    r[TArticolo::Marca] = kBrands[rng() % kBrands.size()];
    r[TArticolo::Modello] = "M" + std::to_string(rng() % 5000);
    r[TArticolo::Descrizione] = std::string(kThings[rng() % kThings.size()]) + " " +
                                std::to_string(2 + rng() % 10) + "x" +
                                std::to_string(10 + rng() % 90);
    if (rng() % 3 == 0) r[TArticolo::Accessori] = "Confezione da 100 pezzi";
    const std::size_t supplier = rng() % kSuppliers.size();
    r[TArticolo::Fornitore] = kSuppliers[supplier];
    r[TArticolo::Recapiti] = "Tel. 02 " + std::to_string(1000000 + supplier * 12345);
    r[TArticolo::Data] =
        std::to_string(1 + rng() % 28) + "/" + std::to_string(1 + rng() % 12) + "/2024";
    const std::int64_t cost = 5 + static_cast<std::int64_t>(rng() % 20000);
    const std::int64_t stock = static_cast<std::int64_t>(rng() % 240);
    r[TArticolo::Costo] = CentsText(cost);
    r[TArticolo::Valore] = CentsText(cost * stock);
    r[TArticolo::Documento] = "Fattura n. " + std::to_string(rng() % 900) + " del fornitore";
    r[TArticolo::Ordine] = (rng() % 2) ? "Ordine telefonico" : "Ordine via e-mail";
    const std::int64_t price = cost * 2;
    r[TArticolo::Prezzo] = CentsText(price);
    r[TArticolo::PercIva] = "22";
    r[TArticolo::Prezzo_con_Iva] = CentsText(price * 122 / 100);
    r[TArticolo::Collocazione] = "Scaffale " + std::to_string(1 + rng() % 40);
    r[TArticolo::Giacenza] = std::to_string(stock);
    r[TArticolo::Sottoscorta] = std::to_string(rng() % 20);
    if (rng() % 4 == 0) r[TArticolo::Note] = "Riordinare prima della stagione estiva.";
    return r;
}

// Writes `count` items into `path`, replacing it. Returns false when the file
// cannot be written. The same seed gives the same file.
inline bool WriteSyntheticWarehouse(const std::filesystem::path& path, std::size_t count,
                                    unsigned seed = 2024) {
    std::mt19937 rng(seed);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::size_t n = 1; n <= count && out; ++n) {
        const std::string bytes = EncodeRecord(SyntheticItem(n, rng));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace corvelo::bench

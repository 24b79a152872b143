// Synthetic but plausible customer archives for benchmarks: names, towns,
// contacts and codes from small tables, an instalment purchase on every
// card with due dates spread over two years.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/storage/cliente.h"

namespace corvelo::bench {

inline TCliente SyntheticCustomer(std::size_t n, std::mt19937& rng) {
    static constexpr std::array<const char*, 40> kSurnames = {
        "Rossi",   "Russo",   "Ferrari",   "Esposito", "Bianchi",    "Romano",  "Colombo",
        "Ricci",   "Marino",  "Greco",     "Bruno",    "Gallo",      "Conti",   "De Luca",
        "Mancini", "Costa",   "Giordano",  "Rizzo",    "Lombardi",   "Moretti", "Barbieri",
        "Fontana", "Santoro", "Mariani",   "Rinaldi",  "Caruso",     "Ferrara", "Galli",
        "Martini", "Leone",   "Longo",     "Gentile",  "Martinelli", "Vitale",  "Lombardo",
        "Serra",   "Coppola", "De Santis", "D'Angelo", "Marchetti"};
    static constexpr std::array<const char*, 30> kNames = {
        "Mario",   "Giulia",  "Luca",     "Anna",    "Marco",      "Francesca",
        "Paolo",   "Sara",    "Nicolò",   "Chiara",  "Giuseppe",   "Maria",
        "Antonio", "Laura",   "Giovanni", "Elena",   "Roberto",    "Valentina",
        "Stefano", "Silvia",  "Andrea",   "Martina", "Alessandro", "Federica",
        "Matteo",  "Alessia", "Davide",   "Elisa",   "Simone",     "Ilaria"};
    static constexpr std::array<const char*, 6> kTowns = {"Milano", "Torino",  "Bologna",
                                                          "Verona", "Bergamo", "Forlì"};
    static constexpr std::array<const char*, 6> kProvinces = {"MI", "TO", "BO", "VR", "BG", "FC"};
    static constexpr std::array<const char*, 4> kZones = {"Nord", "Centro", "Provincia",
                                                          "Zona industriale"};
    static constexpr std::array<const char*, 5> kPurchases = {
        "Bicicletta elettrica", "Corso annuale di yoga", "Caldaia a condensazione",
        "Abbonamento palestra", "Pianoforte verticale"};

    TCliente c;
    using C = TCliente;
    c[C::Cognome] = kSurnames[rng() % kSurnames.size()];
    c[C::Nome] = kNames[rng() % kNames.size()];
    const std::size_t town = rng() % kTowns.size();
    // A codice fiscale of the right shape, different on every card.
    std::string cf = "XXXYYY00A00Z000X";
    std::size_t k = n;
    for (int i : {0, 1, 2, 3, 4, 5, 15}) {
        cf[i] = static_cast<char>('A' + k % 26);
        k /= 26;
    }
    cf[6] = static_cast<char>('0' + n % 10);
    cf[7] = static_cast<char>('0' + n / 10 % 10);
    c[C::CodFisc] = cf;
    c[C::Sesso] = (rng() % 2) ? "M" : "F";
    c[C::DataNasc] = "12/05/1975";
    c[C::ComuneNasc] = kTowns[(town + 1) % kTowns.size()];
    c[C::ProvNasc] = kProvinces[(town + 1) % kTowns.size()];
    if (n % 4 == 0) c[C::Iva] = "0765432109" + std::to_string(n % 10);
    c[C::Indirizzo] = "Via Roma " + std::to_string(1 + n % 200);
    c[C::Cap] = std::to_string(20100 + n % 90);
    c[C::ComuneRes] = kTowns[town];
    c[C::ProvRes] = kProvinces[town];
    c[C::Stato] = (rng() % 2) ? "Coniugato" : "Celibe";
    c[C::Recapito] = "333 " + std::to_string(1000000 + rng() % 9000000);
    c[C::TelCasa] = "02 " + std::to_string(1000000 + rng() % 9000000);
    c[C::Email] = "cliente" + std::to_string(n) + "@esempio.it";
    c[C::Professione] = "Impiegato";
    c[C::Iban] = "IT60X0542811101000000123456";
    c[C::Banca] = "Banca Popolare";
    c[C::Prodotti] = "Accessori, manutenzione e assistenza";
    c[C::Pagamento] = (rng() % 2) ? "Contanti" : "Bonifico bancario";
    if (rng() % 3 == 0) c[C::Note] = "Preferisce essere contattato la mattina.";
    c[C::TipoDoc] = "Carta d'identità";
    c[C::NumDoc] = "AX" + std::to_string(100000 + n % 900000);
    c[C::Codice] = "CL" + std::to_string(n);
    c[C::Categoria] = (rng() % 5 == 0) ? "Rivenditore" : "Privato";
    c[C::Zona] = kZones[rng() % kZones.size()];
    c[C::Acquisto] = kPurchases[rng() % kPurchases.size()];
    char date[16];
    std::snprintf(date, sizeof date, "%02u/%02u/%04u", 1 + static_cast<unsigned>(rng() % 28),
                  1 + static_cast<unsigned>(rng() % 12), 2023 + static_cast<unsigned>(rng() % 2));
    c[C::Decorrenza] = "01/01/2023";
    c[C::Scadenza] = date;
    c[C::Preavviso] = std::to_string(rng() % 31);
    c[C::Totale] = "1200,00";
    c[C::Frazionamento] = "Mensile";
    c[C::Rata] = "100,00";
    return c;
}

// Writes `count` customers into `path`, replacing it; false when it cannot
// be written. The same seed gives the same file.
inline bool WriteSyntheticCustomers(const std::filesystem::path& path, std::size_t count,
                                    unsigned seed = 2024) {
    std::mt19937 rng(seed);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::size_t n = 1; n <= count && out; ++n) {
        const std::string bytes = EncodeRecord(SyntheticCustomer(n, rng));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace corvelo::bench

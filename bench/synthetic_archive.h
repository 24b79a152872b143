// Synthetic but plausible receipt archives for benchmarks and tools: numbered
// receipts spread over the year, a few dozen customers, one to eight lines
// with amounts, totals and stamp duty worked out, most of them paid.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/storage/ricevuta.h"

namespace corvelo::bench {

// Money text of an amount in cents: "1234,50", "-3,00", "0,00".
inline std::string CentsText(std::int64_t cents) {
    const bool negative = cents < 0;
    if (negative) cents = -cents;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%lld,%02lld", negative ? "-" : "",
                  static_cast<long long>(cents / 100), static_cast<long long>(cents % 100));
    return buffer;
}

// Receipt number n (1-based) of `year`, out of `count`: dates grow with n.
inline TRicevuta SyntheticReceipt(int year, std::size_t n, std::size_t count, std::mt19937& rng) {
    static constexpr std::array<const char*, 12> kSurnames = {
        "Rossi", "Bianchi", "Colombo", "Ferrari", "Esposito", "Romano",
        "Ricci", "Marino",  "Greco",   "Bruno",   "Gallo",    "Conti"};
    static constexpr std::array<const char*, 8> kNames = {"Mario", "Giulia",    "Luca",  "Anna",
                                                          "Marco", "Francesca", "Paolo", "Sara"};
    static constexpr std::array<const char*, 6> kTowns = {"Milano", "Torino",  "Bologna",
                                                          "Verona", "Bergamo", "Forlì"};
    static constexpr std::array<const char*, 6> kProvinces = {"MI", "TO", "BO", "VR", "BG", "FC"};
    static constexpr std::array<const char*, 10> kItems = {
        "Lezione di chitarra",    "Quota associativa annuale",
        "Riparazione bicicletta", "Corso di yoga (10 ore)",
        "Consulenza fiscale",     "Noleggio attrezzatura",
        "Manutenzione caldaia",   "Taglio e piega",
        "Visita di controllo",    "Materiale di consumo vario"};

    TRicevuta r;
    r[TRicevuta::NumRic] = std::to_string(n) + "/" + std::to_string(year);
    const int day_of_year = static_cast<int>((n - 1) * 365 / std::max<std::size_t>(count, 1));
    static constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30, 31};
    int month = 0;
    int day = day_of_year;
    while (month < 11 && day >= kMonthDays[month]) day -= kMonthDays[month++];
    char date[32];
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", day + 1, month + 1, year);
    r[TRicevuta::Data] = date;

    r[TRicevuta::Ditta] = "Associazione Sportiva Il Cerchio";
    r[TRicevuta::ViaDitta] = "Via Garibaldi 12";
    r[TRicevuta::CapDitta] = "20121";
    r[TRicevuta::CittaDitta] = "Milano";
    r[TRicevuta::ProvDitta] = "MI";
    r[TRicevuta::IvaDitta] = "01234567890";
    r[TRicevuta::CodFiscDitta] = "97012345678";
    r[TRicevuta::Libero01] = "Tel. 02 1234567";

    const std::size_t who = rng() % 96;
    const std::size_t town = who % kTowns.size();
    r[TRicevuta::Cliente] =
        std::string(kSurnames[who % kSurnames.size()]) + " " + kNames[who % kNames.size()];
    r[TRicevuta::ViaCliente] = "Via Roma " + std::to_string(1 + who);
    r[TRicevuta::CapCliente] = std::to_string(20100 + who * 7);
    r[TRicevuta::CittaCliente] = kTowns[town];
    r[TRicevuta::ProvCliente] = kProvinces[town];
    if (who % 3 == 0) r[TRicevuta::CodFiscCliente] = "RSSMRA80A01F205X";
    if (who % 5 == 0) r[TRicevuta::IvaCliente] = "0765432109" + std::to_string(who % 10);
    r[TRicevuta::Pagamento] = (rng() % 2) ? "Contanti" : "Bonifico bancario";
    if (rng() % 4 == 0) r[TRicevuta::Note] = "Pagamento in due rate, la seconda entro fine mese.";

    const std::size_t lines = 1 + rng() % 8;
    std::int64_t sum = 0;
    for (std::size_t k = 0; k < lines; ++k) {
        const std::int64_t cents = 500 + static_cast<std::int64_t>(rng() % 25000);
        r.Desc()[k] = kItems[rng() % kItems.size()];
        r.Prezzo()[k] = CentsText(cents);
        sum += cents;
    }
    const std::int64_t advances = (rng() % 10 == 0) ? sum / 4 : 0;
    const std::int64_t duty = sum > 7747 ? 200 : 0;
    r[TRicevuta::TotCorrispettivi] = CentsText(sum);
    r[TRicevuta::Acconti] = CentsText(advances);
    r[TRicevuta::Tassa] = CentsText(duty);
    r[TRicevuta::Totale] = CentsText(sum + duty - advances);
    r[TRicevuta::Saldata] = std::string(rng() % 5 == 0 ? kSaldataNo : kSaldataSi);
    return r;
}

// Writes `count` receipts of `year` into `path`, replacing it. Returns false
// when the file cannot be written. The same seed gives the same file.
inline bool WriteSyntheticArchive(const std::filesystem::path& path, int year, std::size_t count,
                                  unsigned seed = 2024) {
    std::mt19937 rng(seed);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::size_t n = 1; n <= count && out; ++n) {
        const std::string bytes = EncodeRecord(SyntheticReceipt(year, n, count, rng));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace corvelo::bench

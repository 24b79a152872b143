// TRicevuta, one receipt of a yearly archive "<year>.ric": 87 FixedText
// fields, 3077 bytes, with the 30 receipt lines as Desc01..Desc30 and
// Prezzo01..Prezzo30.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/storage/record_table.h"

namespace corvelo {

struct TRicevuta : RecordBase<TRicevuta, 87> {
    static constexpr std::size_t kSize = 3077;
    static constexpr int kLines = 30;

    enum Field : std::uint8_t {
        NumRic,
        Data,
        Ditta,
        ViaDitta,
        CapDitta,
        CittaDitta,
        ProvDitta,
        IvaDitta,
        CodFiscDitta,
        Libero01,
        Libero02,
        Cliente,
        ViaCliente,
        CapCliente,
        CittaCliente,
        ProvCliente,
        IvaCliente,
        CodFiscCliente,
        Riferimenti,
        Pagamento,
        Banca,
        Note,
        Desc01,
        Desc02,
        Desc03,
        Desc04,
        Desc05,
        Desc06,
        Desc07,
        Desc08,
        Desc09,
        Desc10,
        Desc11,
        Desc12,
        Desc13,
        Desc14,
        Desc15,
        Desc16,
        Desc17,
        Desc18,
        Desc19,
        Desc20,
        Desc21,
        Desc22,
        Desc23,
        Desc24,
        Desc25,
        Desc26,
        Desc27,
        Desc28,
        Desc29,
        Desc30,
        Prezzo01,
        Prezzo02,
        Prezzo03,
        Prezzo04,
        Prezzo05,
        Prezzo06,
        Prezzo07,
        Prezzo08,
        Prezzo09,
        Prezzo10,
        Prezzo11,
        Prezzo12,
        Prezzo13,
        Prezzo14,
        Prezzo15,
        Prezzo16,
        Prezzo17,
        Prezzo18,
        Prezzo19,
        Prezzo20,
        Prezzo21,
        Prezzo22,
        Prezzo23,
        Prezzo24,
        Prezzo25,
        Prezzo26,
        Prezzo27,
        Prezzo28,
        Prezzo29,
        Prezzo30,
        TotCorrispettivi,
        Acconti,
        Tassa,
        Totale,
        Saldata,
    };
    static constexpr std::array<RecordField, 87> kFields = {{
        {"NumRic", 0, 30},
        {"Data", 31, 20},
        {"Ditta", 52, 50},
        {"ViaDitta", 103, 50},
        {"CapDitta", 154, 12},
        {"CittaDitta", 167, 50},
        {"ProvDitta", 218, 2},
        {"IvaDitta", 221, 30},
        {"CodFiscDitta", 252, 30},
        {"Libero01", 283, 50},
        {"Libero02", 334, 50},
        {"Cliente", 385, 50},
        {"ViaCliente", 436, 50},
        {"CapCliente", 487, 12},
        {"CittaCliente", 500, 50},
        {"ProvCliente", 551, 2},
        {"IvaCliente", 554, 30},
        {"CodFiscCliente", 585, 30},
        {"Riferimenti", 616, 50},
        {"Pagamento", 667, 50},
        {"Banca", 718, 50},
        {"Note", 769, 250},
        {"Desc01", 1020, 55},
        {"Desc02", 1076, 55},
        {"Desc03", 1132, 55},
        {"Desc04", 1188, 55},
        {"Desc05", 1244, 55},
        {"Desc06", 1300, 55},
        {"Desc07", 1356, 55},
        {"Desc08", 1412, 55},
        {"Desc09", 1468, 55},
        {"Desc10", 1524, 55},
        {"Desc11", 1580, 55},
        {"Desc12", 1636, 55},
        {"Desc13", 1692, 55},
        {"Desc14", 1748, 55},
        {"Desc15", 1804, 55},
        {"Desc16", 1860, 55},
        {"Desc17", 1916, 55},
        {"Desc18", 1972, 55},
        {"Desc19", 2028, 55},
        {"Desc20", 2084, 55},
        {"Desc21", 2140, 55},
        {"Desc22", 2196, 55},
        {"Desc23", 2252, 55},
        {"Desc24", 2308, 55},
        {"Desc25", 2364, 55},
        {"Desc26", 2420, 55},
        {"Desc27", 2476, 55},
        {"Desc28", 2532, 55},
        {"Desc29", 2588, 55},
        {"Desc30", 2644, 55},
        {"Prezzo01", 2700, 10},
        {"Prezzo02", 2711, 10},
        {"Prezzo03", 2722, 10},
        {"Prezzo04", 2733, 10},
        {"Prezzo05", 2744, 10},
        {"Prezzo06", 2755, 10},
        {"Prezzo07", 2766, 10},
        {"Prezzo08", 2777, 10},
        {"Prezzo09", 2788, 10},
        {"Prezzo10", 2799, 10},
        {"Prezzo11", 2810, 10},
        {"Prezzo12", 2821, 10},
        {"Prezzo13", 2832, 10},
        {"Prezzo14", 2843, 10},
        {"Prezzo15", 2854, 10},
        {"Prezzo16", 2865, 10},
        {"Prezzo17", 2876, 10},
        {"Prezzo18", 2887, 10},
        {"Prezzo19", 2898, 10},
        {"Prezzo20", 2909, 10},
        {"Prezzo21", 2920, 10},
        {"Prezzo22", 2931, 10},
        {"Prezzo23", 2942, 10},
        {"Prezzo24", 2953, 10},
        {"Prezzo25", 2964, 10},
        {"Prezzo26", 2975, 10},
        {"Prezzo27", 2986, 10},
        {"Prezzo28", 2997, 10},
        {"Prezzo29", 3008, 10},
        {"Prezzo30", 3019, 10},
        {"TotCorrispettivi", 3030, 10},
        {"Acconti", 3041, 10},
        {"Tassa", 3052, 10},
        {"Totale", 3063, 10},
        {"Saldata", 3074, 2},
    }};

    // The receipt lines, line n (1-based) at index n - 1.
    std::span<std::string, kLines> Desc() {
        return std::span<std::string, kLines>(&fields[Desc01], kLines);
    }
    std::span<std::string, kLines> Prezzo() {
        return std::span<std::string, kLines>(&fields[Prezzo01], kLines);
    }
    std::span<const std::string, kLines> Desc() const {
        return std::span<const std::string, kLines>(&fields[Desc01], kLines);
    }
    std::span<const std::string, kLines> Prezzo() const {
        return std::span<const std::string, kLines>(&fields[Prezzo01], kLines);
    }
};

static_assert(FieldsFillRecord(TRicevuta::kFields, TRicevuta::kSize));
static_assert(TRicevuta::kFieldCount == TRicevuta::Saldata + 1);
static_assert(TRicevuta::kFields[TRicevuta::Note].offset == 769);
static_assert(TRicevuta::kFields[TRicevuta::Desc30].offset == 2644);
static_assert(TRicevuta::kFields[TRicevuta::Prezzo30].offset == 3019);
static_assert(TRicevuta::kFields[TRicevuta::Saldata].offset == 3074);
static_assert(TRicevuta::Prezzo30 - TRicevuta::Prezzo01 + 1 == TRicevuta::kLines);

// The two texts of Saldata: paid ("Sì", stored as 02 53 EC) and not paid.
inline constexpr std::string_view kSaldataSi = "Sì";
inline constexpr std::string_view kSaldataNo = "No";

// File name of the archive of `year` (the typed year, trimmed): "2024.ric".
std::string ReceiptArchiveFileName(std::string_view year);

}  // namespace corvelo

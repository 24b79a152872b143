// Small receipt archives for the document tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/storage/ricevuta.h"
#include "support/temp_folder.h"

namespace corvelo::testing {

struct ReceiptFields {
    std::string numero;
    std::string data;
    std::string cliente = "Cliente";
    std::string tot = "0,00";
    std::string totale = "0,00";
    std::string acconti = "0,00";
    std::string tassa = "0,00";
    std::string saldata = "Sì";
};

inline TRicevuta MakeReceipt(const ReceiptFields& s) {
    TRicevuta r;
    r[TRicevuta::NumRic] = s.numero;
    r[TRicevuta::Data] = s.data;
    r[TRicevuta::Cliente] = s.cliente;
    r[TRicevuta::TotCorrispettivi] = s.tot;
    r[TRicevuta::Totale] = s.totale;
    r[TRicevuta::Acconti] = s.acconti;
    r[TRicevuta::Tassa] = s.tassa;
    r[TRicevuta::Saldata] = s.saldata;
    return r;
}

inline void WriteArchive(const std::filesystem::path& path, const std::vector<TRicevuta>& records) {
    std::string bytes;
    for (const TRicevuta& r : records) bytes += EncodeRecord(r);
    WriteBytes(path, bytes);
}

}  // namespace corvelo::testing

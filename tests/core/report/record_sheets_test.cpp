#include "core/report/record_sheets.h"

#include <gtest/gtest.h>

namespace corvelo::report {
namespace {

// Every field holds its own name, so a text taken from the wrong field shows.
template <class R>
R NamedRecord() {
    R r;
    for (std::size_t i = 0; i < R::kFieldCount; ++i) r.fields[i] = std::string(R::kFields[i].name);
    return r;
}

TEST(RecordSheetsTest, ReceiptTextsComeFromTheirFields) {
    const ReceiptTexts t = ReceiptTextsOf(NamedRecord<TRicevuta>());
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {t.numRic, "NumRic"},
        {t.data, "Data"},
        {t.cliente, "Cliente"},
        {t.viaCliente, "ViaCliente"},
        {t.capCliente, "CapCliente"},
        {t.cittaCliente, "CittaCliente"},
        {t.provCliente, "ProvCliente"},
        {t.codFiscCliente, "CodFiscCliente"},
        {t.ivaCliente, "IvaCliente"},
        {t.riferimenti, "Riferimenti"},
        {t.pagamento, "Pagamento"},
        {t.banca, "Banca"},
        {t.ditta, "Ditta"},
        {t.viaDitta, "ViaDitta"},
        {t.capDitta, "CapDitta"},
        {t.cittaDitta, "CittaDitta"},
        {t.provDitta, "ProvDitta"},
        {t.codFiscDitta, "CodFiscDitta"},
        {t.ivaDitta, "IvaDitta"},
        {t.libero01, "Libero01"},
        {t.libero02, "Libero02"},
        {t.note, "Note"},
        {t.desc[0], "Desc01"},
        {t.desc[29], "Desc30"},
        {t.prezzo[0], "Prezzo01"},
        {t.prezzo[29], "Prezzo30"},
        {t.totCorrispettivi, "TotCorrispettivi"},
        {t.acconti, "Acconti"},
        {t.tassa, "Tassa"},
        {t.totale, "Totale"},
    };
    for (const auto& [got, field] : pairs) EXPECT_EQ(got, field);
}

TEST(RecordSheetsTest, CardRowsComeFromTheirFields) {
    const auto item = ItemCardRows(ItemCardTextsOf(NamedRecord<TArticolo>()));
    const char* itemFields[24] = {
        "Codice",       "Tipologia", "Marca",       "Modello",   "Descrizione", "Accessori",
        "Fornitore",    "Recapiti",  "Data",        "Documento", "Ordine",      "Giacenza",
        "Costo",        "Valore",    "Sottoscorta", "Prezzo",    "PercIva",     "Prezzo_con_Iva",
        "Collocazione", "Consumo",   "Aderenza",    "Rumore",    "Onde",        "Note"};
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(item[i].value,
                  i == 14 ? std::string("Sottoscorta pezzi rimasti") : std::string(itemFields[i]))
            << i + 1;
    }

    const auto customer = CustomerCardRows(CustomerCardTextsOf(NamedRecord<TCliente>()));
    EXPECT_EQ(customer[0].value, "Cognome Nome");
    EXPECT_EQ(customer[2].value, "ComuneNasc ProvNasc");
    EXPECT_EQ(customer[6].value, "ComuneRes ProvRes");
    EXPECT_EQ(customer[9].value, "TelUff");
    EXPECT_EQ(customer[10].value, "TelCel");
    EXPECT_EQ(customer[16].value, "Iban  -  Intestatario C/C: Intestatario");
    EXPECT_EQ(customer[17].value, "Tipo: TipoDoc  N. NumDoc  Scadenza: DataSca");
    EXPECT_EQ(customer[22].value, "Importo: € Totale  Decorrenza: Decorrenza  Scadenza: Scadenza");
    EXPECT_EQ(customer[23].value, "Note");
}

}  // namespace
}  // namespace corvelo::report

// The byte layout of the three record types, checked against field offsets
// and capacities written down here as the file format lays them out, never
// taken from the code's own table.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "core/storage/articolo.h"
#include "core/storage/cliente.h"
#include "core/storage/ricevuta.h"

namespace corvelo {
namespace {

struct Layout {
    std::string name;
    std::size_t offset;
    std::size_t capacity;
};

std::vector<Layout> ReceiptLayout() {
    std::vector<Layout> rows = {
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
        {"TotCorrispettivi", 3030, 10},
        {"Acconti", 3041, 10},
        {"Tassa", 3052, 10},
        {"Totale", 3063, 10},
        {"Saldata", 3074, 2},
    };
    std::vector<Layout> lines;
    for (int n = 1; n <= 30; ++n) {
        lines.push_back({"Desc" + std::string(n < 10 ? "0" : "") + std::to_string(n),
                         1020 + 56 * static_cast<std::size_t>(n - 1), 55});
    }
    for (int n = 1; n <= 30; ++n) {
        lines.push_back({"Prezzo" + std::string(n < 10 ? "0" : "") + std::to_string(n),
                         2700 + 11 * static_cast<std::size_t>(n - 1), 10});
    }
    rows.insert(rows.begin() + 22, lines.begin(), lines.end());
    return rows;
}

const std::vector<Layout> kClienteLayout = {
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
};

const std::vector<Layout> kArticoloLayout = {
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
};

// A text of exactly `capacity` characters, different for every field so a
// field written at a wrong place cannot go unnoticed.
std::string FieldText(std::size_t index, std::size_t capacity) {
    std::string text;
    for (std::size_t k = 0; k < capacity; ++k) {
        text += static_cast<char>('A' + (index * 7 + k) % 26);
    }
    return text;
}

// Fills every field to its capacity by name, encodes, and checks each field's
// length byte and text at its documented offset; then decodes the bytes back.
template <class R>
void CheckLayout(const std::vector<Layout>& layout, std::size_t size) {
    ASSERT_EQ(R::kSize, size);
    ASSERT_EQ(layout.size(), R::kFieldCount);
    R record;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        std::string* field = record.Find(layout[i].name);
        ASSERT_NE(field, nullptr) << layout[i].name;
        *field = FieldText(i, layout[i].capacity);
    }
    const std::string bytes = EncodeRecord(record);
    ASSERT_EQ(bytes.size(), size);
    std::size_t end = 0;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const Layout& f = layout[i];
        EXPECT_EQ(static_cast<unsigned char>(bytes[f.offset]), f.capacity) << f.name;
        EXPECT_EQ(bytes.substr(f.offset + 1, f.capacity), FieldText(i, f.capacity)) << f.name;
        EXPECT_EQ(R::kFields[i].name, f.name) << "field " << i << " out of order";
        end = f.offset + f.capacity + 1;
    }
    EXPECT_EQ(end, size);
    EXPECT_EQ(DecodeRecord<R>(bytes), record);
}

TEST(RecordLayout, Ricevuta) {
    CheckLayout<TRicevuta>(ReceiptLayout(), 3077);
}
TEST(RecordLayout, Cliente) {
    CheckLayout<TCliente>(kClienteLayout, 4043);
}
TEST(RecordLayout, Articolo) {
    CheckLayout<TArticolo>(kArticoloLayout, 4874);
}

// A typical receipt, its expected bytes built by hand: every byte not written
// below is zero (empty fields, zero-filled tails).
TEST(RecordBytes, ReceiptWithGapInLinesAndPaidFlag) {
    TRicevuta r;
    r[TRicevuta::NumRic] = "12/2024";
    r[TRicevuta::Cliente] = "  Rossi Mario ";
    r.Desc()[0] = "Tagliando";
    r.Prezzo()[0] = "80,00";
    r.Desc()[2] = "Olio";
    r.Prezzo()[2] = "12,50";
    r[TRicevuta::Saldata] = std::string(kSaldataSi);

    std::string expected(3077, '\0');
    auto put = [&](std::size_t offset, std::string text) {
        expected[offset] = static_cast<char>(text.size());
        expected.replace(offset + 1, text.size(), text);
    };
    put(0, "12/2024");
    put(385, "Rossi Mario");
    put(1020, "Tagliando");
    put(2700, "80,00");
    put(1020 + 56 * 2, "Olio");
    put(2700 + 11 * 2, "12,50");
    EXPECT_EQ(EncodeRecord(r).substr(0, 3074), expected.substr(0, 3074));
    EXPECT_EQ(EncodeRecord(r).substr(3074), std::string("\x02\x53\xEC"));

    const TRicevuta back = *DecodeRecord<TRicevuta>(EncodeRecord(r));
    EXPECT_EQ(back.Desc()[1], "");
    EXPECT_EQ(back.Prezzo()[1], "");
    EXPECT_EQ(back[TRicevuta::Cliente], "Rossi Mario");
    EXPECT_EQ(back[TRicevuta::Saldata], kSaldataSi);

    r[TRicevuta::Saldata] = std::string(kSaldataNo);
    EXPECT_EQ(EncodeRecord(r).substr(3074), std::string("\x02\x4E\x6F"));
}

TEST(RecordBytes, CustomerNameOf51CharactersKeepsFirst50) {
    TCliente c;
    c[TCliente::Cognome] = std::string(50, 'x') + "Y";
    const std::string bytes = EncodeRecord(c);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 50);
    EXPECT_EQ(bytes.substr(1, 50), std::string(50, 'x'));
    EXPECT_EQ(bytes[51], '\0');  // Nome starts right after, empty
}

TEST(RecordBytes, DecodeRefusesWrongSize) {
    EXPECT_FALSE(DecodeRecord<TArticolo>(std::string(4873, '\0')));
    EXPECT_FALSE(DecodeRecord<TArticolo>(std::string(4875, '\0')));
    EXPECT_TRUE(DecodeRecord<TArticolo>(std::string(4874, '\0')));
}

TEST(RecordFields, ByNameAndByLine) {
    TRicevuta r;
    *r.Find("Prezzo07") = "3,1416";
    EXPECT_EQ(r.Prezzo()[6], "3,1416");
    EXPECT_EQ(r[TRicevuta::Prezzo07], "3,1416");
    EXPECT_EQ(r.Find("Prezzo31"), nullptr);
    EXPECT_EQ(r.Find("prezzo07"), nullptr);
    EXPECT_EQ(ReceiptArchiveFileName(" 2024 "), "2024.ric");
}

}  // namespace
}  // namespace corvelo

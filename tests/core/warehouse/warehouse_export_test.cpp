#include "core/warehouse/warehouse_export.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/item_archive.h"

namespace corvelo {
namespace {

using testing::MakeItem;
using testing::ReadBytes;
using testing::TempFolder;
using A = TArticolo;

// The texts of the cells of each table row of a spreadsheet file (header row
// first), tags stripped.
std::vector<std::vector<std::string>> Rows(const std::string& file) {
    std::vector<std::vector<std::string>> rows;
    std::size_t at = 0;
    while ((at = file.find("<tr>", at)) != std::string::npos) {
        const std::size_t end = file.find("</tr>", at);
        std::vector<std::string> cells;
        std::size_t c = at;
        while ((c = file.find("<td", c)) != std::string::npos && c < end) {
            const std::size_t open = file.find('>', c) + 1;
            const std::size_t close = file.find("</td>", open);
            cells.push_back(file.substr(open, close - open));
            c = close;
        }
        rows.push_back(std::move(cells));
        at = end;
    }
    return rows;
}

class WarehouseExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::WriteWarehouse(path_, {
                                           MakeItem({{A::Codice, "VT-10"},
                                                     {A::Accessori, "rondella"},
                                                     {A::Sottoscorta, "5"},
                                                     {A::Documento, "Fatt. 12"},
                                                     {A::Onde, "12/2026"},
                                                     {A::File01, "foto.jpg"},
                                                     {A::Note, " Caffè & <b> "}}),
                                           MakeItem({{A::Codice, "VT-10"}, {A::Giacenza, "2,5"}}),
                                       });
        before_ = ReadBytes(path_);
    }
    TempFolder dir_;
    std::filesystem::path path_ = dir_ / "Magazzino.pro";
    std::string before_;
};

TEST_F(WarehouseExportTest, GridHoldsTheCardsInFileOrderWithoutWarningLevelOrAttachments) {
    const WarehouseExportGrid g = FillWarehouseExportGrid(path_);
    ASSERT_TRUE(g.status.ok());
    ASSERT_EQ(g.grid.RowCount(), 2u);
    EXPECT_EQ(g.grid.Cell(0, 0), "1");
    EXPECT_EQ(g.grid.Cell(1, 0), "2");
    EXPECT_EQ(g.grid.Cell(0, 1), "VT-10");
    EXPECT_EQ(g.grid.Cell(0, 6), "rondella");
    EXPECT_EQ(g.grid.Cell(0, 10), "Fatt. 12");
    EXPECT_EQ(g.grid.Cell(0, 22), "12/2026");
    EXPECT_EQ(g.grid.Cell(0, 23), "Caffè & <b>");
    EXPECT_EQ(g.grid.Cell(1, 12), "2,5");
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t c = 1; c < g.grid.ColumnCount(); ++c) {
            EXPECT_NE(g.grid.Cell(r, c), "5");
            EXPECT_NE(g.grid.Cell(r, c), "foto.jpg");
        }
    }

    TempFolder empty;
    const WarehouseExportGrid none = FillWarehouseExportGrid(empty / "Magazzino.pro");
    EXPECT_EQ(none.grid.RowCount(), 10u);
}

TEST_F(WarehouseExportTest, FileHasTheHeadersAndTheTypedCellsAndTheArchiveStaysAsItWas) {
    WarehouseExportGrid g = FillWarehouseExportGrid(path_);
    GridEdits edits;
    edits[{1, 6}] = "chiave a brugola";  // Accessori
    edits[{0, 19}] = "3 cm";             // Altezza
    edits[{0, 1}] = "not editable";      // Codice
    const TextGrid edited = WithEdits(g.grid, edits);
    const auto out = dir_ / "Magazzino.xls";
    ASSERT_TRUE(WriteWarehouseExport(out, edited));
    const std::string file = ReadBytes(out);
    EXPECT_EQ(file, WarehouseExportBytes(edited));
    EXPECT_EQ(file.find('\n'), std::string::npos);
    EXPECT_NE(file.find("<x:Name>Magazzino</x:Name>"), std::string::npos);

    const auto rows = Rows(file);
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::string> titles = {"Codice articolo",
                                             "Tipologia",
                                             "Marca",
                                             "Modello",
                                             "Descrizione",
                                             "Accessori",
                                             "Fornitore",
                                             "Recapito preferenziale",
                                             "Data acquisto",
                                             "Estremi documento acquisto",
                                             "Modalit\xE0 ordine merce",
                                             "Giacenza",
                                             "Costo",
                                             "Valore",
                                             "Prezzo senza IVA",
                                             "Perc. IVA",
                                             "Prezzo con IVA",
                                             "Collocazione in magazzino",
                                             "Altezza",
                                             "Larghezza",
                                             "Lunghezza",
                                             "Scadenza",
                                             "Note"};
    EXPECT_EQ(rows[0], titles);
    EXPECT_NE(file.find("width=400>Accessori</td>"), std::string::npos);
    EXPECT_NE(file.find("width=150>Perc. IVA</td>"), std::string::npos);
    ASSERT_EQ(rows[1].size(), 23u);
    ASSERT_EQ(rows[2].size(), 23u);
    EXPECT_EQ(rows[1][0], "VT-10");
    EXPECT_EQ(rows[2][0], "VT-10");
    EXPECT_EQ(rows[2][5], "chiave a brugola");
    EXPECT_EQ(rows[1][18], "3 cm");
    EXPECT_EQ(rows[1][22], "Caff\xE8 &amp; &lt;b&gt;");
    EXPECT_TRUE(ReadBytes(path_) == before_);
}

}  // namespace
}  // namespace corvelo

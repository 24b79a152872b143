#include "core/customers/customer_export.h"

#include <gtest/gtest.h>

#include "core/storage/fault_file_system.h"
#include "core/storage/temp_folder.h"

namespace corvelo {
namespace {

using namespace testing;
using C = TCliente;

// The file as the pieces of the format build it, written out by hand.
std::string Golden(const std::vector<std::vector<std::string>>& rows) {
    std::string s =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>Riepilogo Clienti</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
        "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
        "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
        "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str><tr>";
    const std::pair<const char*, int> headers[] = {{"Cognome e nome Cliente", 250},
                                                   {"Codice fiscale", 200},
                                                   {"Data di nascita", 200},
                                                   {"Comune di nascita", 250},
                                                   {"Partita IVA", 200},
                                                   {"Indirizzo di residenza", 250},
                                                   {"Citt\xE0 di residenza", 250},
                                                   {"Recapito preferenziale", 250},
                                                   {"Tel. casa", 200},
                                                   {"Tel. cellulare", 200},
                                                   {"E-mail", 250},
                                                   {"Professione", 250},
                                                   {"IBAN", 300},
                                                   {"Intestatario C/C", 250},
                                                   {"Modalit\xE0 di pagamento", 250},
                                                   {"Prodotti e servizi di interesse", 300},
                                                   {"Tipo documento", 250},
                                                   {"Numero documento", 250},
                                                   {"Ente di rilascio", 250},
                                                   {"Data di rilascio", 200},
                                                   {"Data di scadenza", 200},
                                                   {"Codice Cliente", 250},
                                                   {"Categoria", 250},
                                                   {"Zona di appartenenza", 250},
                                                   {"Note", 300}};
    for (auto [title, width] : headers) {
        s += "<td style=\"text-align: left; font-weight: bold;\" width=" + std::to_string(width) +
             ">" + title + "</td>";
    }
    s += "</tr>";
    for (const auto& row : rows) {
        s += "<tr>";
        for (std::size_t c = 0; c < 25; ++c) {
            s += "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
            if (c < row.size()) s += row[c];
            s += "</td>";
        }
        s += "</tr>";
    }
    return s + "</table></body></html>";
}

// Every field holds its own name, so a cell taken from the wrong field shows.
TCliente Named(const std::string& suffix) {
    TCliente c;
    for (std::size_t f = 0; f < C::kFieldCount; ++f) {
        c[f] = std::string(C::kFields[f].name) + suffix;
    }
    return c;
}

std::vector<std::string> NamedRow(const std::string& x) {
    std::vector<std::string> row = {"Cognome" + x + " Nome" + x};
    for (const char* f :
         {"CodFisc",      "DataNasc",  "ComuneNasc", "Iva",       "Indirizzo",   "ComuneRes",
          "Recapito",     "TelCasa",   "TelCel",     "Email",     "Professione", "Iban",
          "Intestatario", "Pagamento", "Prodotti",   "TipoDoc",   "NumDoc",      "EnteRil",
          "DataRil",      "DataSca",   "Codice",     "Categoria", "Zona",        "Note"}) {
        row.push_back(f + x);
    }
    return row;
}

TEST(CustomerExportTest, ThreeCardsByteForByteWithoutTheirNumbers) {
    TempFolder dir;
    TCliente odd = Named("3");
    odd[C::Cognome] = "Caffè & <Bar>";
    odd[C::Nome] = "";
    std::string bytes = EncodeRecord(Named("1")) + EncodeRecord(Named("2")) + EncodeRecord(odd);
    WriteBytes(dir / "Clienti.pro", bytes + "partial");

    const CustomerExportGrid g = FillCustomerExportGrid(dir / "Clienti.pro");
    ASSERT_TRUE(g.status.ok());
    ASSERT_EQ(g.grid.RowCount(), 3u);
    EXPECT_EQ(g.grid.Cell(2, 0), "3");
    EXPECT_EQ(g.grid.Cell(2, 1), "Caffè & <Bar> ");

    std::vector<std::string> third = NamedRow("3");
    third[0] = "Caff\xE8 &amp; &lt;Bar&gt;";
    EXPECT_EQ(CustomerExportBytes(g.grid), Golden({NamedRow("1"), NamedRow("2"), third}));

    ASSERT_TRUE(WriteCustomerExport(dir / "Clienti.xls", g.grid));
    EXPECT_EQ(ReadBytes(dir / "Clienti.xls"), CustomerExportBytes(g.grid));
}

TEST(CustomerExportTest, EmptyArchiveExportsTenEmptyRows) {
    TempFolder dir;
    const CustomerExportGrid g = FillCustomerExportGrid(dir / "Clienti.pro");
    ASSERT_TRUE(g.status.ok());
    EXPECT_EQ(CustomerExportBytes(g.grid), Golden(std::vector<std::vector<std::string>>(10)));
}

TEST(CustomerExportTest, ReadFailureNeverLeavesAPartialGrid) {
    TempFolder dir;
    std::string bytes;
    for (int i = 0; i < 200; ++i) bytes += EncodeRecord(Named(std::to_string(i)));
    WriteBytes(dir / "Clienti.pro", bytes);
    FaultFileSystem fs;
    fs.FailOnce(IoOp::kRead, 1);
    const CustomerExportGrid g = FillCustomerExportGrid(dir / "Clienti.pro", fs);
    EXPECT_FALSE(g.status.ok());
    ASSERT_EQ(g.grid.RowCount(), 10u);
    EXPECT_EQ(g.grid.Cell(0, 1), "");
}

}  // namespace
}  // namespace corvelo

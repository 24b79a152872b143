#include "core/documents/receipt_export.h"

#include <gtest/gtest.h>

#include "core/storage/archive_scan.h"
#include "support/fault_file_system.h"
#include "support/receipt_archive.h"

namespace corvelo {
namespace {

using namespace testing;
using R = TRicevuta;

// The file as the pieces of the format build it, written out by hand.
std::string Golden(const std::vector<std::vector<std::string>>& rows) {
    std::string s =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>Archivio Ricevute</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
        "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
        "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
        "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str><tr>";
    const std::pair<const char*, int> headers[] = {{"Ricevuta n.", 180},
                                                   {"Data emissione", 180},
                                                   {"Riferimenti", 250},
                                                   {"Modalit\xE0 di pagamento", 250},
                                                   {"Banca d'appoggio", 250},
                                                   {"Cognome e nome Cliente", 250},
                                                   {"Via e numero civico", 250},
                                                   {"Citt\xE0 di residenza", 250},
                                                   {"Prov.", 120},
                                                   {"Partita IVA", 200},
                                                   {"Codice fiscale", 200},
                                                   {"Note", 350},
                                                   {"Tot. corrispettivi", 180},
                                                   {"Acconti", 180},
                                                   {"Imposta di bollo", 180},
                                                   {"Totale saldato", 180},
                                                   {"Saldata", 80}};
    for (auto [title, width] : headers) {
        s += "<td style=\"text-align: left; font-weight: bold;\" width=" + std::to_string(width) +
             ">" + title + "</td>";
    }
    s += "</tr>";
    for (const auto& row : rows) {
        s += "<tr>";
        for (std::size_t c = 0; c < 17; ++c) {
            s += "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
            if (c < row.size()) s += row[c];
            s += "</td>";
        }
        s += "</tr>";
    }
    return s + "</table></body></html>";
}

TEST(ReceiptExportTest, ThreeReceiptsByteForByte) {
    TempFolder dir;
    TRicevuta paid = MakeReceipt(
        {"1", "01/03/2024", "Caffè & <Bar> \"Sport\"", "10,00", "12,00", "0,00", "2,00"});
    paid[R::CapCliente] = "20100";  // never exported
    paid[R::IvaCliente] = "01234567890";
    paid[R::Desc01] = "Riga";
    TRicevuta unpaid =
        MakeReceipt({"2", "02/03/2024", "Rossi", "5,00", "5,00", "0,00", "0,00", "No"});
    TRicevuta odd = MakeReceipt({"3", "", "™ Ω", "", "", "", "", ""});
    WriteArchive(dir / "2024.ric", {paid, unpaid, odd});

    const ReceiptExportGrid g = FillReceiptExportGrid(dir / "2024.ric");
    ASSERT_TRUE(g.status.ok());
    ASSERT_EQ(g.grid.RowCount(), 3u);
    EXPECT_EQ(g.grid.Cell(0, 0), "1");
    EXPECT_EQ(g.grid.Cell(2, 0), "3");
    EXPECT_EQ(g.grid.Cell(0, 17), "Sì");

    const std::string bytes = ReceiptExportBytes(g.grid);
    EXPECT_EQ(bytes, Golden({{"1", "01/03/2024", "", "", "",
                              "Caff\xE8 &amp; &lt;Bar&gt; &quot;Sport&quot;", "", "", "",
                              "01234567890", "", "", "10,00", "0,00", "2,00", "12,00", "S\xEC"},
                             {"2", "02/03/2024", "", "", "", "Rossi", "", "", "", "", "", "",
                              "5,00", "0,00", "0,00", "5,00", "No"},
                             {"3", "", "", "", "", "\x99 ?"}}));
    EXPECT_EQ(bytes.find_first_of("\r\n"), std::string::npos);
}

TEST(ReceiptExportTest, EmptyArchiveExportsTenEmptyRows) {
    TempFolder dir;
    const ReceiptExportGrid g = FillReceiptExportGrid(dir / "2024.ric");
    ASSERT_TRUE(g.status.ok());
    EXPECT_EQ(g.grid.RowCount(), 10u);
    EXPECT_EQ(g.grid.Cell(9, 0), "");
    EXPECT_EQ(ReceiptExportBytes(g.grid), Golden(std::vector<std::vector<std::string>>(10)));
}

TEST(ReceiptExportTest, StreamedFileEqualsTheBytesAcrossWriteBlocks) {
    TempFolder dir;
    std::vector<TRicevuta> records;
    for (int n = 1; n <= 400; ++n) {
        records.push_back(MakeReceipt({std::to_string(n), "01/01/2024", "Città & \"Co\""}));
    }
    WriteArchive(dir / "2024.ric", records);
    const ReceiptExportGrid g = FillReceiptExportGrid(dir / "2024.ric");
    const auto path = dir / std::string(kReceiptExportFileName);
    ASSERT_TRUE(WriteReceiptExport(path, g.grid));
    const std::string bytes = ReadBytes(path);
    EXPECT_GT(bytes.size(), 256u * 1024u);
    EXPECT_EQ(bytes, ReceiptExportBytes(g.grid));
}

TEST(ReceiptExportTest, FileIsReplacedWholeOrNotAtAll) {
    TempFolder dir;
    const auto path = dir / std::string(kReceiptExportFileName);
    WriteBytes(path, "old contents");
    ASSERT_TRUE(WriteSpreadsheetFile(path, "new"));
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_FALSE(WriteSpreadsheetFile(dir / "missing" / "x.xls", "new"));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_FALSE(WriteSpreadsheetFile(path, "newer"));  // marked read-only
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
}

// Puts raw Windows-1252 bytes into field `f` of an encoded record, past
// the conversion from UTF-8 (so that any byte can be stored).
void PokeField(std::string& record, R::Field f, std::string_view bytes) {
    const RecordField& field = R::kFields[f];
    ASSERT_LE(bytes.size(), field.capacity);
    record[field.offset] = static_cast<char>(bytes.size());
    record.replace(field.offset + 1, bytes.size(), bytes);
}

// The headless export writes from the archive as it reads it; its file must
// be the one the screen writes from its grid, byte for byte.
TEST(ReceiptExportTest, StreamedFromTheArchiveEqualsTheGridFile) {
    std::string every_byte;  // 01..FF, the four specials and the undefined five among them
    for (int b = 1; b < 256; ++b) every_byte += static_cast<char>(b);
    std::string odd = EncodeRecord(MakeReceipt({"7", "01/01/2024"}));
    PokeField(odd, R::Note, every_byte.substr(0, 250));
    PokeField(odd, R::Riferimenti, every_byte.substr(250));
    constexpr char kPadded[] = " \t\x01 a\0b & \x81\x8D\x8F\x90\x9D \x1F ";
    PokeField(odd, R::Cliente, std::string(kPadded, sizeof kPadded - 1));
    PokeField(odd, R::Banca, "   ");
    odd[R::kFields[R::ViaCliente].offset] = static_cast<char>(255);  // length past the field
    std::string many;
    for (int n = 1; n <= 400; ++n) {
        many +=
            EncodeRecord(MakeReceipt({std::to_string(n), "01/01/2024", "Città & \"Co\""}));
    }
    const struct {
        const char* name;
        std::string archive;
    } cases[] = {
        {"odd bytes", odd + EncodeRecord(MakeReceipt({"8", "02/01/2024", "Rossi"}))},
        {"across write blocks", many},
        {"empty archive: ten empty rows", ""},
        {"trailing partial record", many.substr(0, R::kSize + 100)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        WriteBytes(dir / "2024.ric", c.archive);
        const ReceiptExportGrid g = FillReceiptExportGrid(dir / "2024.ric");
        ASSERT_TRUE(g.status.ok());
        const auto file = dir / std::string(kReceiptExportFileName);
        const ReceiptExportWrite w = WriteReceiptExportFromArchive(dir / "2024.ric", file);
        ASSERT_TRUE(w.ok());
        EXPECT_EQ(ReadBytes(file), ReceiptExportBytes(g.grid));
    }
}

TEST(ReceiptExportTest, StreamedExportFailureKeepsTheOldFile) {
    TempFolder dir;
    std::string archive;
    for (int n = 1; n <= 400; ++n) {
        archive += EncodeRecord(MakeReceipt({std::to_string(n), "01/01/2024"}));
    }
    WriteBytes(dir / "2024.ric", archive);
    const auto file = dir / std::string(kReceiptExportFileName);
    WriteBytes(file, "old contents");
    const struct {
        const char* name;
        IoOp op;
        int skip;
        bool archive_fails;
    } cases[] = {
        {"archive read fails part way", IoOp::kRead, 1, true},
        {"archive cannot be opened", IoOp::kOpen, 0, true},
        {"file write fails part way", IoOp::kWrite, 1, false},
        {"file flush fails", IoOp::kFlush, 0, false},
        {"rename fails", IoOp::kRename, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FaultFileSystem fs;
        fs.FailOnce(c.op, c.skip);
        const ReceiptExportWrite w = WriteReceiptExportFromArchive(dir / "2024.ric", file, fs);
        EXPECT_EQ(w.archive.op(), c.archive_fails ? c.op : IoOp::kNone);
        EXPECT_EQ(w.file.op(), c.archive_fails ? IoOp::kNone : c.op);
        EXPECT_EQ(ReadBytes(file), "old contents");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                                std::filesystem::directory_iterator()),
                  2);  // no temporary file left behind
    }
}

}  // namespace
}  // namespace corvelo

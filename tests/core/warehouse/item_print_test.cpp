#include "core/warehouse/item_print.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace corvelo {
namespace {

using namespace std::chrono;
using testing::ReadBytes;
using testing::TempFolder;
using A = TArticolo;

constexpr year_month_day kToday{year(2024), month(3), day(5)};

TEST(ItemPrintTest, TheSheetShowsTheBoxesAsTheyStand) {
    // A cleared card: empty values but row 15, which carries the initial "0".
    const report::ReportDocument blank =
        ItemCardSheet(ClearedItem(), kToday, hours(9) + seconds(7));
    EXPECT_EQ(blank.FindText("txtTitolo")->Text(), "SCHEDA ARTICOLO");
    EXPECT_EQ(blank.FindText("txtCampo01")->Text(), "");
    EXPECT_EQ(blank.FindText("txtCampo15")->Text(), "0 pezzi rimasti");
    EXPECT_EQ(blank.FindText("txtCalce")->Text(),
              "Stampa eseguita in data 05/03/2024 alle ore 09:00:07");

    ItemTexts t = ClearedItem();
    t[A::Codice] = "  VT-10 ";
    t[A::Sottoscorta] = "5";
    t[A::Onde] = "12/2025";
    t[A::Note] = "[DATE] resta com'è";
    const report::ReportDocument doc = ItemCardSheet(t, kToday, hours(23));
    EXPECT_EQ(doc.FindText("txtCampo01")->Text(), "VT-10");
    EXPECT_EQ(doc.FindText("txtCampo15")->Text(), "5 pezzi rimasti");
    EXPECT_EQ(doc.FindText("titCampo23")->Text(), "Scadenza:");
    EXPECT_EQ(doc.FindText("txtCampo23")->Text(), "12/2025");
    EXPECT_EQ(doc.FindText("txtCampo24")->Text(), "[DATE] resta com'è");
}

TEST(ItemPrintTest, ThePdfIsReplacedWholeOrTheFailureIsNamed) {
    TempFolder dir;
    const auto file = dir / "Articolo.pdf";
    const report::ReportDocument sheet = ItemCardSheet(ClearedItem(), kToday, hours(9));
    ItemPdfOutcome first = WriteItemPdf(file, sheet);
    EXPECT_TRUE(first.written);
    EXPECT_TRUE(first.notice.empty());
    const std::string written = ReadBytes(file);
    EXPECT_EQ(written.substr(0, 5), "%PDF-");
    // Written again without a question: the same file is replaced.
    EXPECT_TRUE(WriteItemPdf(file, sheet).written);

    // A folder that cannot take the file: the warning names it.
    testing::WriteBytes(dir / "cartella", "x");
    const ItemPdfOutcome failed = WriteItemPdf(dir / "cartella" / "Articolo.pdf", sheet);
    EXPECT_FALSE(failed.written);
    EXPECT_EQ(failed.notice, (Notice{NoticeKind::kWarning, std::string(kMsgItemPdfFailed)}));
    EXPECT_NE(failed.notice.text.find("Articolo.pdf"), std::string::npos);
}

}  // namespace
}  // namespace corvelo

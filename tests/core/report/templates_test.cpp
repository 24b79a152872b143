#include "core/report/templates.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/case_names.h"

namespace corvelo::report {
namespace {

constexpr Rgb kAliceBlue{0xF0, 0xF8, 0xFF};
constexpr Rgb kBeige{0xF5, 0xF5, 0xDC};

ReceiptTexts SampleReceipt() {
    ReceiptTexts t;
    t.numRic = "  7/2024 ";
    t.data = "15/03/2024";
    t.cliente = " Rossi Mario ";
    t.capCliente = "40100";
    t.cittaCliente = " Bologna ";
    t.provCliente = "BO";
    t.codFiscCliente = "RSSMRA80A01A944I";
    t.riferimenti = "Ordine 45";
    t.note = "Pagato <b>in contanti</b>";
    t.desc[0] = "Quota annuale";
    t.prezzo[0] = "50,00";
    t.desc[29] = "Ultima riga";
    t.prezzo[29] = "1,00";
    t.totale = "51,00";
    return t;
}

Picture OnePixel() {
    return Picture{1, 1, {1, 2, 3}};
}

struct Geometry {
    const char* name;
    double left, top, width, height, size;
    bool bold;
    HAlign align;
};

// A sample of copy A and copy B objects, positions as they must print.
class ReceiptGeometryTest : public ::testing::TestWithParam<Geometry> {};

TEST_P(ReceiptGeometryTest, TextObjectPlacedAndStyled) {
    const ReportDocument doc = BuildReceiptSheet(SampleReceipt(), OnePixel());
    const Geometry& g = GetParam();
    const TextObject* t = doc.FindText(g.name);
    ASSERT_NE(t, nullptr) << g.name;
    EXPECT_NEAR(t->left, g.left, 0.005);
    EXPECT_NEAR(t->top, g.top, 0.005);
    EXPECT_NEAR(t->width, g.width, 0.005);
    EXPECT_NEAR(t->height, g.height, 0.005);
    EXPECT_EQ(t->font.family, FontFamily::Arial);
    EXPECT_EQ(t->font.size, g.size);
    EXPECT_EQ(t->font.bold, g.bold);
    EXPECT_EQ(t->align, g.align);
}

INSTANTIATE_TEST_SUITE_P(
    Objects, ReceiptGeometryTest,
    ::testing::Values(
        Geometry{"txtNumRic_A", 287.24, 49.13, 245.67, 15.12, 9, true, HAlign::Left},
        Geometry{"txtCliente_A", 286.87, 113.39, 245.67, 18.14, 8, false, HAlign::Left},
        Geometry{"txtCodFiscDitta_A", 45.35, 238.11, 226.77, 15.12, 6, false, HAlign::Left},
        Geometry{"titCopia_A", 283.46, 260.79, 253.61, 14.36, 8, true, HAlign::Centre},
        Geometry{"Memo9", 60.47, 580.54, 185.57, 14.36, 8, false, HAlign::Centre},
        Geometry{"txtDesc01_A", 49.13, 332.60, 401.39, 12.09, 7, false, HAlign::Left},
        Geometry{"txtDesc16_A", 49.13, 502.68, 401.39, 12.09, 7, false, HAlign::Left},
        Geometry{"txtDesc17_A", 263.06, 514.02, 187.46, 12.09, 7, false, HAlign::Left},
        Geometry{"txtDesc30_A", 263.06, 661.42, 187.46, 12.09, 7, false, HAlign::Left},
        Geometry{"txtPrezzo30_A", 461.10, 661.42, 74.83, 12.09, 7, false, HAlign::Right},
        Geometry{"txtTotale_A", 442.21, 726.43, 92.60, 12.09, 7, true, HAlign::Right},
        Geometry{"txtBollo_A", 37.80, 749.86, 510.24, 10.58, 6, false, HAlign::Left},
        Geometry{"txtNumRic_B", 816.37, 49.13, 245.67, 15.12, 9, true, HAlign::Left},
        Geometry{"txtDesc17_B", 578.27, 514.02, 377.95, 12.09, 7, false, HAlign::Left},
        Geometry{"txtPrezzo01_B", 967.56, 332.60, 98.27, 12.09, 7, false, HAlign::Right},
        Geometry{"Memo2_B", 578.26, 313.70, 378.71, 12.09, 7, true, HAlign::Centre},
        Geometry{"Memo3_B", 967.56, 313.70, 97.51, 12.09, 7, true, HAlign::Centre},
        Geometry{"txtTotale_B", 971.34, 726.43, 92.60, 12.09, 7, true, HAlign::Right}),
    testing::ByName());

TEST(ReceiptSheetTest, PageAndProperties) {
    const ReportDocument doc = BuildReceiptSheet(SampleReceipt(), OnePixel());
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_NEAR(doc.pages[0].width, 297 * 3.7795, 0.01);
    EXPECT_NEAR(doc.pages[0].height, 210 * 3.7795, 0.01);
    EXPECT_EQ(doc.title, "Ricevuta");
    EXPECT_EQ(doc.subject, "Fattura");
}

TEST(ReceiptSheetTest, CopiesDifferInColoursTitleAndStampBox) {
    const ReportDocument doc = BuildReceiptSheet(SampleReceipt(), OnePixel());
    for (const char* box : {"shpNumRic", "shpCopia", "Shape2", "shpQuietanza", "Shape11"}) {
        const std::string a = box == std::string("Shape2") || box == std::string("Shape11")
                                  ? std::string(box)
                                  : std::string(box) + "_A";
        ASSERT_NE(doc.FindBox(a), nullptr) << a;
        ASSERT_NE(doc.FindBox(std::string(box) + "_B"), nullptr) << box;
        EXPECT_EQ(doc.FindBox(a)->fill, kAliceBlue) << a;
        EXPECT_EQ(doc.FindBox(std::string(box) + "_B")->fill, kBeige) << box;
        EXPECT_NEAR(doc.FindBox(std::string(box) + "_B")->left - doc.FindBox(a)->left, 529.13,
                    0.005);
    }
    EXPECT_FALSE(doc.FindBox("icoBollo_A")->fill.has_value());
    EXPECT_EQ(doc.FindText("titCopia_A")->Text(), "COPIA PER IL CLIENTE");
    EXPECT_EQ(doc.FindText("titCopia_B")->Text(), "COPIA PER LA DITTA EMITTENTE");
    EXPECT_NE(doc.FindBox("Shape14"), nullptr);
    EXPECT_EQ(doc.FindBox("Shape14_B"), nullptr);
    EXPECT_EQ(doc.FindText("Memo9_B"), nullptr);
    EXPECT_EQ(doc.FindText("Memo10_B"), nullptr);
    EXPECT_NEAR(doc.FindLine("Line1")->x1, 455.43, 0.005);
    EXPECT_NEAR(doc.FindLine("Line1_B")->x1, 961.89, 0.005);
    EXPECT_NEAR(doc.FindLine("Line1_B")->y2 - doc.FindLine("Line1_B")->y1, 365.86, 0.005);
    // The privacy lines repeat in both copies.
    EXPECT_EQ(doc.FindText("Memo6")->Text(), doc.FindText("Memo6_B")->Text());
    EXPECT_EQ(doc.FindText("Memo6")->Text(),
              "e non saranno forniti a terzi o utilizzati per l'invio di pubblicità.");
}

TEST(ReceiptSheetTest, DescriptionsNarrowFromLine17InCopyAOnly) {
    const ReportDocument doc = BuildReceiptSheet(SampleReceipt(), OnePixel());
    for (int n = 1; n <= 30; ++n) {
        char a[16], b[16];
        std::snprintf(a, sizeof a, "txtDesc%02d_A", n);
        std::snprintf(b, sizeof b, "txtDesc%02d_B", n);
        const TextObject* da = doc.FindText(a);
        const TextObject* db = doc.FindText(b);
        ASSERT_TRUE(da && db) << n;
        EXPECT_NEAR(da->top, 332.60 + (n - 1) * 3 * 3.7795, 0.005);
        EXPECT_EQ(da->top, db->top);
        EXPECT_NEAR(da->width, n <= 16 ? 401.39 : 187.46, 0.005) << n;
        EXPECT_NEAR(db->width, 377.95, 0.005) << n;
    }
}

TEST(ReceiptSheetTest, FillsJoinedTextsFromTrimmedParts) {
    const ReportDocument doc = BuildReceiptSheet(SampleReceipt(), OnePixel());
    for (const char* s : {"_A", "_B"}) {
        auto text = [&](const char* name) { return doc.FindText(name + std::string(s))->Text(); };
        EXPECT_EQ(text("txtNumRic"), "Ricevuta n. 7/2024");
        EXPECT_EQ(text("txtData"), "Data emissione:  15/03/2024");
        EXPECT_EQ(text("txtCliente"), "Rossi Mario");
        EXPECT_EQ(text("txtCittaCliente"), "40100 Bologna BO");
        EXPECT_EQ(text("txtCodFiscCliente"), "C.F. RSSMRA80A01A944I   P.Iva: ");
        // Empty fields keep the fixed parts.
        EXPECT_EQ(text("txtCittaDitta"), "  ");
        EXPECT_EQ(text("txtCodFiscDitta"), "C.F.    P.Iva: ");
        EXPECT_EQ(text("txtRiferimenti"), "Rif. Ordine 45");
        EXPECT_EQ(text("txtPagamento"), "Pagamento: ");
        EXPECT_EQ(text("txtBanca"), "Banca: ");
        EXPECT_EQ(text("txtDesc01"), "Quota annuale");
        EXPECT_EQ(text("txtPrezzo01"), "50,00");
        EXPECT_EQ(text("txtDesc30"), "Ultima riga");
        EXPECT_EQ(text("txtDesc02"), "");
        EXPECT_EQ(text("txtTotale"), "51,00");
        EXPECT_EQ(doc.FindText("txtNote" + std::string(s))->runs,
                  (std::vector<TextRun>{{"Pagato "}, {"in contanti", true}}));
        EXPECT_EQ(doc.FindPicture("imgLogo" + std::string(s))->picture.rgb,
                  (std::vector<std::uint8_t>{1, 2, 3}));
    }
}

TEST(ReceiptSheetTest, OtherTextsAreLiteral) {
    ReceiptTexts t = SampleReceipt();
    t.cliente = "Rossi <b>[socio]</b>";
    const ReportDocument doc = BuildReceiptSheet(t, OnePixel());
    EXPECT_EQ(doc.FindText("txtCliente_A")->Text(), "Rossi <b>[socio]</b>");
}

TEST(ReceiptSheetTest, FilledBoxesNeverCoverRulesOrTexts) {
    const ReportDocument doc = BuildReceiptSheet(SampleReceipt(), OnePixel());
    bool seenOther = false;
    for (const ReportObject& o : doc.pages[0].objects) {
        if (std::holds_alternative<BoxObject>(o)) {
            EXPECT_FALSE(seenOther) << std::get<BoxObject>(o).name;
        } else {
            seenOther = true;
        }
    }
}

std::vector<const TextObject*> TextsNamed(const Page& page, const std::string& name) {
    std::vector<const TextObject*> out;
    for (const auto& o : page.objects) {
        if (const auto* t = std::get_if<TextObject>(&o); t && t->name == name) out.push_back(t);
    }
    return out;
}

TEST(ListReportTest, LongListBreaksAcrossPagesWithTitleAndFooterOnce) {
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i) lines.push_back("Riga " + std::to_string(i) + " [nota]");
    const ReportDocument doc =
        BuildListReport("Riepilogo clienti in archivio", lines, "15/03/2024");
    ASSERT_GE(doc.pages.size(), 3u);
    const double margin = 37.795;
    std::size_t printed = 0, titles = 0, footers = 0;
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const Page& page = doc.pages[p];
        EXPECT_NEAR(page.width, 1122.51, 0.01);
        titles += TextsNamed(page, "txtTitolo").size();
        footers += TextsNamed(page, "txtPagina").size();
        for (const TextObject* t : TextsNamed(page, "txtRiepilogo")) {
            EXPECT_EQ(t->Text(), lines[printed]) << "lines stay in order";
            EXPECT_EQ(t->font.family, FontFamily::CourierNew);
            EXPECT_EQ(t->font.size, 8);
            EXPECT_NEAR(t->left, margin + 11.34, 0.005);
            EXPECT_NEAR(t->width, 1031.81, 0.005);
            EXPECT_LE(t->top + t->height, page.height - margin + 1e-6);
            ++printed;
        }
    }
    EXPECT_EQ(printed, 200u);
    EXPECT_EQ(titles, 1u);
    EXPECT_EQ(TextsNamed(doc.pages.front(), "txtTitolo").size(), 1u);
    EXPECT_EQ(footers, 1u);
    ASSERT_EQ(TextsNamed(doc.pages.back(), "txtPagina").size(), 1u);
    const TextObject* footer = TextsNamed(doc.pages.back(), "txtPagina")[0];
    EXPECT_EQ(footer->Text(), "Stampa eseguita in data 15/03/2024");
    EXPECT_EQ(footer->font.family, FontFamily::Verdana);
    EXPECT_TRUE(footer->font.bold);
    // The second page starts at the top margin with the next line.
    EXPECT_NEAR(TextsNamed(doc.pages[1], "txtRiepilogo")[0]->top, margin, 0.005);
}

TEST(ListReportTest, EmptyListPrintsTitleEmptyBandAndFooter) {
    const ReportDocument doc = BuildListReport("Materiali in esaurimento", {}, "01/02/2025");
    ASSERT_EQ(doc.pages.size(), 1u);
    const TextObject* title = doc.FindText("txtTitolo");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Text(), "Materiali in esaurimento");
    EXPECT_EQ(title->fill, (Rgb{0x70, 0x80, 0x90}));
    EXPECT_EQ(title->color, kWhite);
    EXPECT_EQ(doc.FindText("txtRiepilogo"), nullptr);
    const TextObject* footer = doc.FindText("txtPagina");
    ASSERT_NE(footer, nullptr);
    // Title band 30.24, empty data band 10, then the footer's own offset.
    EXPECT_NEAR(footer->top, 37.795 + 30.24 + 10 + 7.56, 0.005);
}

TEST(ListReportTest, FooterMovesToANewPageWhenTheLastPageIsFull) {
    // Fill page 1 exactly: what the footer needs no longer fits below.
    const double usable = 210 * 3.7795 - 2 * 37.795 - 30.24;
    const auto perPage = static_cast<std::size_t>(std::floor(usable / kListLinePitch));
    const ReportDocument doc =
        BuildListReport("T", std::vector<std::string>(perPage, "x"), "01/01/2025");
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(TextsNamed(doc.pages[0], "txtRiepilogo").size(), perPage);
    EXPECT_EQ(TextsNamed(doc.pages[1], "txtPagina").size(), 1u);
}

TEST(CardTest, ItemCardRowsAndFooter) {
    ItemCardTexts t;
    t.codice = " A-100 ";
    t.sottoscorta = "5";
    t.note = "[DATE]";
    const ReportDocument doc = BuildItemCard(t, CardFooter("15/03/2024", "10:30:00"));
    EXPECT_EQ(doc.title, "Scheda informativa");
    EXPECT_EQ(doc.subject, "Scheda informativa");
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_NEAR(doc.pages[0].width, 210 * 3.7795, 0.01);
    EXPECT_EQ(doc.FindText("txtTitolo")->Text(), "SCHEDA ARTICOLO");
    EXPECT_EQ(doc.FindText("titCampo01")->Text(), "Codice articolo:");
    EXPECT_EQ(doc.FindText("txtCampo01")->Text(), "A-100");
    EXPECT_EQ(doc.FindText("titCampo15")->Text(), "Preavviso sottoscorta:");
    EXPECT_EQ(doc.FindText("txtCampo15")->Text(), "5 pezzi rimasti");
    EXPECT_EQ(doc.FindText("titCampo11")->Text(), "Modalità ordine merce:");
    EXPECT_EQ(doc.FindText("txtCampo24")->Text(), "[DATE]");
    EXPECT_EQ(doc.FindText("txtCalce")->Text(),
              "Stampa eseguita in data 15/03/2024 alle ore 10:30:00");
    // Row 24 starts at 25.4 cm inside the 1 cm margin.
    EXPECT_NEAR(doc.FindText("txtCampo24")->top, 264 * 3.7795, 0.01);
    EXPECT_NEAR(doc.FindText("txtCampo24")->left, 70 * 3.7795, 0.01);
    EXPECT_NEAR(doc.FindText("titCampo24")->width, 52 * 3.7795, 0.01);
    EXPECT_FALSE(doc.FindPicture("imgLogo")->picture.Empty());
}

TEST(CardTest, CustomerCardJoinsPiecesAsQuoted) {
    CustomerCardTexts t;
    t.cognome = "Rossi ";
    t.nome = " Mario";
    t.acquisto = "Divano";
    t.rata = "50,00";
    t.totale = "600,00";
    t.decorrenza = "01/01/2024";
    t.scadenza = "01/02/2024";
    const auto rows = CustomerCardRows(t);
    EXPECT_EQ(rows[0].value, "Rossi Mario");
    EXPECT_EQ(rows[3].value, "  Stato civile: ");
    EXPECT_EQ(rows[15].value, "N.   Scadenza: ");
    EXPECT_EQ(rows[21].label, "Acquisto rateale");
    EXPECT_EQ(rows[21].value, "Divano  Importo rata: € 50,00");
    EXPECT_EQ(rows[22].value, "Importo: € 600,00  Decorrenza: 01/01/2024  Scadenza: 01/02/2024");
    const ReportDocument doc = BuildCustomerCard(t, "f");
    EXPECT_EQ(doc.FindText("txtTitolo")->Text(), "SCHEDA INFORMATIVA DEL CLIENTE");
    EXPECT_EQ(doc.FindText("titCampo21")->Text(), "Prodotti e servizi di interesse:");
}

}  // namespace
}  // namespace corvelo::report

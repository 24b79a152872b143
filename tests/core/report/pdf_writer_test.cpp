#include "core/report/pdf_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "core/report/bmp.h"
#include "core/report/templates.h"

namespace corvelo::report {
namespace {

namespace fs = std::filesystem;

// Runs a command and returns what it printed.
std::string Shell(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    ::pclose(pipe);
    return out;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class PdfWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("corvelo_pdf_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Write(const ReportDocument& doc, const std::string& name = "out.pdf") {
        const fs::path path = dir_ / name;
        const WriteResult result = WritePdf(doc, path);
        EXPECT_TRUE(result.ok) << result.detail;
        return path;
    }

    static std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }

    fs::path dir_;
};

ReceiptTexts Receipt() {
    ReceiptTexts t;
    t.numRic = "12";
    t.data = "15/03/2024";
    t.cliente = "Bianchi (Luca) [socio]";
    t.cittaCliente = "Forlì";
    t.note = "Nota <b>grassetto</b> <i>corsivo</i> <u>sottolineato</u>";
    t.desc[0] = "Quota associativa € 2024 \\ con barra";
    t.prezzo[0] = "120,00";
    t.totale = "120,00";
    return t;
}

TEST_F(PdfWriterTest, ReceiptHasItsPropertiesAndStandardFontsNotEmbedded) {
    const fs::path pdf = Write(BuildReceiptSheet(Receipt(), DefaultLogo()));
    const std::string info = Shell("pdfinfo " + Quote(pdf) + " 2>&1");
    EXPECT_NE(info.find("Title:           Ricevuta\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Subject:         Fattura\n"), std::string::npos);
    EXPECT_NE(info.find("Author:          Corvelo\n"), std::string::npos);
    EXPECT_NE(info.find("Creator:         Corvelo\n"), std::string::npos);
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos);
    EXPECT_NE(info.find("Encrypted:       no"), std::string::npos);
    EXPECT_NE(info.find("PDF version:     1.4"), std::string::npos);
    EXPECT_NE(info.find("841.8"), std::string::npos) << "A4 landscape";
    EXPECT_EQ(info.find("Syntax"), std::string::npos) << info;

    const std::string fonts = Shell("pdffonts " + Quote(pdf) + " 2>&1");
    EXPECT_NE(fonts.find("Helvetica "), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("Helvetica-Bold "), std::string::npos);
    std::istringstream lines(fonts);
    std::string line;
    int rows = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("Helvetica", 0) != 0 && line.rfind("Courier", 0) != 0) continue;
        ++rows;
        EXPECT_NE(line.find("Type 1            WinAnsi          no "), std::string::npos) << line;
    }
    EXPECT_GE(rows, 3);  // regular, bold and the italic run's oblique

    // Nothing is compressed: no stream carries a filter.
    EXPECT_EQ(ReadAll(pdf).find("/Filter"), std::string::npos);
    EXPECT_EQ(ReadAll(pdf).find("/Outlines"), std::string::npos);
}

TEST_F(PdfWriterTest, TextsComeOutLiterallyAndFormatted) {
    const fs::path pdf = Write(BuildReceiptSheet(Receipt(), DefaultLogo()));
    const std::string text = Shell("pdftotext -enc UTF-8 -layout " + Quote(pdf) + " - 2>&1");
    for (const char* expected :
         {"Ricevuta n. 12", "Bianchi (Luca) [socio]", "Forlì", "COPIA PER IL CLIENTE",
          "COPIA PER LA DITTA EMITTENTE", "Quota associativa € 2024 \\ con barra", "120,00",
          "Nota grassetto corsivo sottolineato", "pubblicità."}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_EQ(text.find("<b>"), std::string::npos);
}

TEST_F(PdfWriterTest, XrefOffsetsPointAtTheirObjects) {
    const std::string pdf = RenderPdf(BuildReceiptSheet(Receipt(), DefaultLogo()));
    const std::size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(startxref + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::istringstream table(pdf.substr(xref + 5));
    int first = 0, count = 0;
    table >> first >> count;
    ASSERT_EQ(first, 0);
    ASSERT_GT(count, 5);
    std::string offset, generation, kind;
    table >> offset >> generation >> kind;  // the free head
    EXPECT_EQ(kind, "f");
    for (int number = 1; number < count; ++number) {
        table >> offset >> generation >> kind;
        ASSERT_EQ(offset.size(), 10u);
        const std::string header = std::to_string(number) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(std::stoul(offset), header.size(), header), 0) << number;
    }
}

TEST_F(PdfWriterTest, NonAsciiPropertiesAndEscapedStrings) {
    ReportDocument doc;
    doc.title = "Città (prova)";
    doc.subject = "Perché";
    Page& page = doc.pages.emplace_back();
    page.width = kA4Short;
    page.height = kA4Long;
    TextObject t;
    t.name = "t";
    t.left = 40;
    t.top = 40;
    t.width = 600;
    t.height = 20;
    t.runs = {{"a) (b \\ c ( è"}};
    page.objects.push_back(t);
    const fs::path pdf = Write(doc);
    const std::string info = Shell("pdfinfo -enc UTF-8 " + Quote(pdf) + " 2>&1");
    EXPECT_NE(info.find("Title:           Città (prova)\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Subject:         Perché\n"), std::string::npos) << info;
    EXPECT_NE(Shell("pdftotext -enc UTF-8 " + Quote(pdf) + " -").find("a) (b \\ c ( è"),
              std::string::npos);
}

TEST_F(PdfWriterTest, TextIsCutAtItsBoxEdge) {
    // One long line in a narrow box; the pixels past the box must stay white.
    ReportDocument doc;
    Page& page = doc.pages.emplace_back();
    page.width = 400;
    page.height = 100;
    TextObject t;
    t.left = 10;
    t.top = 10;
    t.width = 100;
    t.height = 40;
    t.font.size = 20;
    t.runs = {{"MMMMMMMMMMMMMMMMMMMM"}};
    page.objects.push_back(t);
    const fs::path pdf = Write(doc);
    // 96 dpi: one pixel per unit. The text box ends at x = 110.
    Shell("pdftoppm -r 96 -gray -x 112 -y 0 -W 288 -H 100 " + Quote(pdf) + " " +
          Quote(dir_ / "clip"));
    const std::string pgm = ReadAll(dir_ / "clip-1.pgm");
    ASSERT_GT(pgm.size(), 288u * 100u);
    const std::string pixels = pgm.substr(pgm.size() - 288 * 100);
    EXPECT_EQ(pixels.find_first_not_of('\xFF'), std::string::npos);
    // ...and inside the box it is drawn.
    Shell("pdftoppm -r 96 -gray -x 10 -y 10 -W 100 -H 40 " + Quote(pdf) + " " + Quote(dir_ / "in"));
    const std::string inside = ReadAll(dir_ / "in-1.pgm");
    EXPECT_NE(inside.substr(inside.size() - 4000).find_first_not_of('\xFF'), std::string::npos);
}

TEST_F(PdfWriterTest, CentredAndRightAlignedTextsLandWhereExpected) {
    ReportDocument doc;
    Page& page = doc.pages.emplace_back();
    page.width = 400;
    page.height = 100;
    for (HAlign a : {HAlign::Centre, HAlign::Right}) {
        TextObject t;
        t.left = 0;
        t.top = a == HAlign::Centre ? 0 : 50;
        t.width = 400;
        t.height = 40;
        t.font.family = FontFamily::CourierNew;
        t.font.size = 15;  // 20 units: "MM" is 24 units wide
        t.align = a;
        t.runs = {{"MM"}};
        page.objects.push_back(t);
    }
    const fs::path pdf = Write(doc);
    const std::string bbox = Shell("pdftotext -bbox " + Quote(pdf) + " - 2>&1");
    // Word boxes in points (0.75 of a unit): centre 188..212, right 374..398.
    std::regex word(R"re(xMin="([0-9.]+)"[^>]*xMax="([0-9.]+)"[^>]*>MM<)re");
    std::vector<std::pair<double, double>> boxes;
    for (auto it = std::sregex_iterator(bbox.begin(), bbox.end(), word);
         it != std::sregex_iterator(); ++it) {
        boxes.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
    }
    ASSERT_EQ(boxes.size(), 2u) << bbox;
    EXPECT_NEAR(boxes[0].first, 188 * 0.75, 0.5);
    EXPECT_NEAR(boxes[0].second, 212 * 0.75, 0.5);
    EXPECT_NEAR(boxes[1].second, 398 * 0.75, 0.5);
}

TEST_F(PdfWriterTest, ListReportPagesCarryTitleOnceAndFooterOnce) {
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i) lines.push_back("RIGA" + std::to_string(i) + " [x]");
    const fs::path pdf =
        Write(BuildListReport("Riepilogo ricevute in archivio", lines, "15/03/2024"));
    const std::string text = Shell("pdftotext -enc UTF-8 " + Quote(pdf) + " -");
    auto count = [&](const std::string& what) {
        std::size_t n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("Riepilogo ricevute in archivio"), 1u);
    EXPECT_EQ(count("Stampa eseguita in data 15/03/2024"), 1u);
    EXPECT_EQ(count("[x]"), 200u);
    EXPECT_LT(text.find("Riepilogo ricevute"), text.find("RIGA0 "));
    EXPECT_GT(text.find("Stampa eseguita"), text.find("RIGA199 "));
    const std::string info = Shell("pdfinfo " + Quote(pdf));
    EXPECT_EQ(info.find("Pages:           1\n"), std::string::npos);
    const std::string fonts = Shell("pdffonts " + Quote(pdf));
    EXPECT_NE(fonts.find("Courier "), std::string::npos);
    EXPECT_NE(fonts.find("Helvetica-Bold "), std::string::npos) << "Verdana prints as Helvetica";
}

TEST_F(PdfWriterTest, ReplacesAnExistingFileAndLeavesNoTemporaryBehind) {
    const fs::path path = dir_ / "Articolo.pdf";
    { std::ofstream(path) << "old"; }
    ItemCardTexts item;
    item.codice = "PRIMO";
    ASSERT_TRUE(WritePdf(BuildItemCard(item, "f"), path).ok);
    item.codice = "SECONDO";
    ASSERT_TRUE(WritePdf(BuildItemCard(item, "f"), path).ok);
    EXPECT_NE(Shell("pdftotext " + Quote(path) + " -").find("SECONDO"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(PdfWriterTest, FailureIsReportedAndTheOldFileKept) {
    EXPECT_FALSE(WritePdf(BuildItemCard({}, "f"), dir_ / "missing" / "Articolo.pdf").ok);

    // A target that cannot be replaced (here a folder in the way): the error
    // comes back, what was there stays, and no temporary file is left over.
    const fs::path path = dir_ / "Ricevuta.pdf";
    fs::create_directories(path / "inside");
    const WriteResult result = WritePdf(BuildItemCard({}, "f"), path);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.detail.empty());
    EXPECT_TRUE(fs::is_directory(path / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    const fs::path read_only = dir_ / "Cliente.pdf";
    { std::ofstream(read_only) << "old"; }
    fs::permissions(read_only, fs::perms::owner_read);
    EXPECT_FALSE(WritePdf(BuildItemCard({}, "f"), read_only).ok);
    std::string kept;
    std::ifstream(read_only) >> kept;
    EXPECT_EQ(kept, "old");
}

}  // namespace
}  // namespace corvelo::report

#include "gui/report/report_painter.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QToolBar>

#include "core/report/bmp.h"
#include "core/report/pdf_writer.h"
#include "core/report/print_messages.h"
#include "core/report/templates.h"
#include "gui/report/ReportPreview.h"
#include "gui/report/report_services.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::ScreenTest;

report::ReceiptTexts Receipt() {
    report::ReceiptTexts t;
    t.numRic = "12/2024";
    t.data = "15/03/2024";
    t.cliente = "Rossi Mario [socio]";
    t.viaCliente = "Via Roma 12";
    t.capCliente = "40100";
    t.cittaCliente = "Bologna";
    t.provCliente = "BO";
    t.ditta = "Associazione Città Aperta";
    t.note = "Nota: <b>pagato</b> in <i>due</i> <u>rate</u>";
    for (int i = 0; i < 20; ++i) {
        t.desc[i] = "Servizio numero " + std::to_string(i + 1) +
                    " con una descrizione molto lunga che viene tagliata al bordo del riquadro";
        t.prezzo[i] = std::to_string(10 + i) + ",00";
    }
    t.totale = "392,00";
    return t;
}

QString PdfPages(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished();
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed();
    }
    return {};
}

class ReportPainterTest : public ScreenTest {};

TEST_F(ReportPainterTest, CancelledPrintDialogPrintsNothing) {
    services.printDialogAccepts = false;
    EXPECT_EQ(PrintReport(services, report::BuildReceiptSheet(Receipt(), report::DefaultLogo())),
              PrintOutcome::Cancelled);
    EXPECT_EQ(services.printDialogs, 1);
    EXPECT_TRUE(services.printJobs.empty());
}

TEST_F(ReportPainterTest, PrintsEveryPageOfTheDocumentOnce) {
    services.paintJobs = true;
    std::vector<std::string> lines(200, "riga [x]");
    ASSERT_EQ(PrintReport(services, report::BuildListReport("Titolo", lines, "15/03/2024")),
              PrintOutcome::Printed);
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_EQ(services.printJobs[0].kind, test::PrintJobRecord::Kind::Print);
    EXPECT_EQ(services.printJobs[0].title, QStringLiteral("Riepilogo dati"));
    EXPECT_TRUE(services.printJobs[0].painted);
    const report::ReportDocument doc = report::BuildListReport("Titolo", lines, "15/03/2024");
    EXPECT_EQ(PdfPages(services.DataPath(QStringLiteral("job0.pdf"))),
              QString::number(doc.pages.size()));
}

// A printer that cannot be opened is an error the user sees, from the print
// command and from the preview's print command alike.
TEST_F(ReportPainterTest, PrinterThatCannotBeOpenedShowsTheErrorBox) {
    services.printerFails = true;
    const report::ReportDocument doc = report::BuildListReport("Titolo", {"riga"}, "15/03/2024");
    EXPECT_EQ(PrintReport(services, doc), PrintOutcome::Failed);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(services.messages[0].text, QString::fromUtf8(kMsgStampaNonAvviata.data()));
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_TRUE(services.printJobs[0].failed);

    services.Clear();
    QPrinter printer;
    SetUpReportPrinter(printer, doc);
    test::OnNextModal([](QWidget* modal) {
        auto* preview = qobject_cast<ReportPreview*>(modal);
        ASSERT_NE(preview, nullptr);
        preview->printAction()->trigger();
        preview->closeAction()->trigger();
    });
    ShowReportPreview(services, printer, QStringLiteral("Anteprima di stampa"),
                      [&doc](QPrinter& p) { return PaintReport(p, doc); });
    EXPECT_EQ(services.LastMessage(), QString::fromUtf8(kMsgStampaNonAvviata.data()));
}

TEST_F(ReportPainterTest, PrinterIsSetUpForTheSheet) {
    QPrinter printer;
    printer.setCopyCount(3);
    SetUpReportPrinter(printer, report::BuildReceiptSheet(Receipt(), report::DefaultLogo()));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    EXPECT_TRUE(printer.fullPage());
    SetUpReportPrinter(printer, report::BuildItemCard({}, "f"));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(ReportPainterTest, PreviewGoesThroughServicesWithItsTitle) {
    services.paintJobs = true;
    PreviewReport(services, report::BuildItemCard({}, "f"), QStringLiteral("Anteprima"));
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_EQ(services.printJobs[0].kind, test::PrintJobRecord::Kind::Preview);
    EXPECT_EQ(services.printJobs[0].title, QStringLiteral("Anteprima"));
    EXPECT_TRUE(services.printJobs[0].painted);
}

TEST_F(ReportPainterTest, FillsAndClippingOnThePicture) {
    const report::ReportDocument doc = report::BuildReceiptSheet(Receipt(), report::DefaultLogo());
    const QImage image = RenderReportPage(doc.pages[0], 96);
    ASSERT_EQ(image.width(), qRound(297 * 3.7795));
    // Inside the number boxes, right of their texts' ends.
    EXPECT_EQ(image.pixelColor(530, 80), QColor(0xF0, 0xF8, 0xFF));
    EXPECT_EQ(image.pixelColor(530 + 529, 80), QColor(0xF5, 0xF5, 0xDC));
    // The long descriptions stop at the box's edge: the gap before the amount
    // column separator stays white on every line.
    const report::TextObject* desc = doc.FindText("txtDesc01_A");
    for (int y = 333; y < 333 + 20 * 11; ++y) {
        EXPECT_EQ(image.pixelColor(qCeil(desc->left + desc->width) + 1, y), QColor(Qt::white)) << y;
    }
    // ...and the logo is drawn.
    EXPECT_NE(image.pixelColor(140, 100), QColor(Qt::white));
}

// The printer picture and the PDF file must look alike: compare both at a
// low resolution, block by block.
TEST_F(ReportPainterTest, PainterAndPdfAgree) {
    const report::ReportDocument doc = report::BuildReceiptSheet(Receipt(), report::DefaultLogo());
    const QString pdf = QDir(services.DataFolder()).filePath(QStringLiteral("r.pdf"));
    ASSERT_TRUE(report::WritePdf(doc, pdf.toStdString()).ok);
    const QString prefix = QDir(services.DataFolder()).filePath(QStringLiteral("r"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                                 QStringLiteral("-singlefile"), pdf, prefix}),
              0);
    const QImage fromPdf =
        QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
    const QImage painted =
        RenderReportPage(doc.pages[0], 96).convertToFormat(QImage::Format_Grayscale8);
    // The two may round the sheet's edge to a different pixel.
    ASSERT_LE(std::abs(fromPdf.width() - painted.width()), 1);
    ASSERT_LE(std::abs(fromPdf.height() - painted.height()), 1);
    if (qEnvironmentVariableIsSet("CORVELO_KEEP_RENDERINGS")) {
        fromPdf.save(QStringLiteral("/tmp/receipt_pdf.png"));
        painted.save(QStringLiteral("/tmp/receipt_painter.png"));
    }
    constexpr int kBlock = 16;
    double worst = 0, total = 0;
    int blocks = 0;
    const int width = std::min(fromPdf.width(), painted.width());
    const int height = std::min(fromPdf.height(), painted.height());
    for (int by = 0; by + kBlock <= height; by += kBlock) {
        for (int bx = 0; bx + kBlock <= width; bx += kBlock) {
            double a = 0, b = 0;
            for (int y = by; y < by + kBlock; ++y) {
                for (int x = bx; x < bx + kBlock; ++x) {
                    a += fromPdf.constScanLine(y)[x];
                    b += painted.constScanLine(y)[x];
                }
            }
            const double diff = std::abs(a - b) / (kBlock * kBlock);
            worst = std::max(worst, diff);
            total += diff;
            ++blocks;
        }
    }
    EXPECT_LT(total / blocks, 3.0);
    EXPECT_LT(worst, 60.0);
}

// How wide a text is drawn on a white picture at 96 dpi, in pixels of ink.
int InkWidth(report::FontFamily family, const std::string& text) {
    report::Page page;
    page.width = 600;
    page.height = 40;
    report::TextObject object;
    object.left = 10;
    object.top = 5;
    object.width = 580;
    object.height = 20;
    object.font = report::Font{family, 9, true};
    object.runs = {report::TextRun{text}};
    page.objects.push_back(object);
    const QImage image = RenderReportPage(page, 96).convertToFormat(QImage::Format_Grayscale8);
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.constScanLine(y)[x] < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right - left + 1;
}

// The list report's title and footer are Verdana on paper, as the template
// names them, not the Arial the PDF file is limited to.
TEST_F(ReportPainterTest, VerdanaTextsArePaintedInVerdana) {
    const std::string text = "Riepilogo ricevute in archivio";
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(12);  // 9 pt at 96 dpi
    verdana.setBold(true);
    const double expected = QFontMetricsF(verdana).horizontalAdvance(QString::fromStdString(text));
    const int painted = InkWidth(report::FontFamily::Verdana, text);
    EXPECT_NEAR(painted, expected, 4.0);
    EXPECT_GT(std::abs(painted - InkWidth(report::FontFamily::Arial, text)), 8);
}

TEST_F(ReportPainterTest, LogoFromFileOrDefault) {
    const QString path = services.DataPath(QStringLiteral("Logo.bmp"));
    EXPECT_EQ(LoadLogoOrDefault(path).width, 297);  // missing
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    EXPECT_EQ(LoadLogoOrDefault(path).height, 184);
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    ASSERT_TRUE(image.save(path, "BMP"));
    const report::Picture logo = LoadLogoOrDefault(path);
    EXPECT_EQ(logo.width, 3);
    EXPECT_EQ(logo.height, 2);
    EXPECT_EQ(logo.rgb[0], 10);
    EXPECT_EQ(logo.rgb[2], 30);
    EXPECT_EQ(ToQImage(logo).pixelColor(2, 1), QColor(10, 20, 30));
}

TEST_F(ReportPainterTest, PreviewWindowOpensAtFullSizeWithItsFewCommands) {
    QPrinter printer;
    const report::ReportDocument doc = report::BuildItemCard({}, "f");
    SetUpReportPrinter(printer, doc);
    int printed = 0;
    ReportPreview preview(
        printer, QStringLiteral("Anteprima"), [&doc](QPrinter& p) { return PaintReport(p, doc); },
        [&] { ++printed; });
    EXPECT_TRUE(preview.isModal());
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.0);
    // The test screen is smaller than the window's usual size: it fits it.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(area.width() < 1100 || area.height() < 800);
    EXPECT_TRUE(area.contains(preview.geometry())) << preview.width() << "x" << preview.height();
    QStringList commands;
    for (QAction* a : preview.findChild<QToolBar*>()->actions()) {
        if (!a->isSeparator()) commands << a->text();
    }
    EXPECT_EQ(commands, (QStringList{"Stampa", "Zoom +", "Zoom -", "Schermo intero", "Chiudi"}));
    preview.zoomInAction()->trigger();
    EXPECT_GT(preview.zoom(), 1.0);
    preview.printAction()->trigger();
    EXPECT_EQ(printed, 1);
    preview.show();
    preview.closeAction()->trigger();
    EXPECT_FALSE(preview.isVisible());
}

}  // namespace
}  // namespace corvelo

namespace corvelo {
namespace {

TEST_F(ReportPainterTest, PreviewShownModallyPrintsThroughTheServices) {
    QPrinter printer;
    const report::ReportDocument doc = report::BuildItemCard({}, "f");
    SetUpReportPrinter(printer, doc);
    bool seen = false;
    test::OnNextModal([&](QWidget* modal) {
        auto* preview = qobject_cast<ReportPreview*>(modal);
        ASSERT_NE(preview, nullptr);
        seen = true;
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Anteprima di stampa"));
        EXPECT_DOUBLE_EQ(preview->zoom(), 1.0);
        preview->printAction()->trigger();
        preview->closeAction()->trigger();
    });
    ShowReportPreview(services, printer, QStringLiteral("Anteprima di stampa"),
                      [&doc](QPrinter& p) { return PaintReport(p, doc); });
    EXPECT_TRUE(seen);
    EXPECT_EQ(services.printDialogs, 1);
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_EQ(services.printJobs[0].kind, test::PrintJobRecord::Kind::Print);
}

}  // namespace
}  // namespace corvelo

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>

#include "core/report/print_messages.h"
#include "core/storage/ricevuta.h"
#include "gui/documents/AnteprimaRicevuta.h"
#include "gui/documents/PDF_Ricevuta.h"
#include "gui/documents/StampaRicevuta.h"
#include "gui/documents/receipt_form.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;
using test::PrintJobRecord;

QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A stand-in for the receipt editor: one box per receipt field, named as
// the editor names them.
class Editor : public QWidget {
  public:
    Editor() {
        for (const auto& field : TRicevuta::kFields) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QStringLiteral("txt") +
                               QString::fromUtf8(field.name.data(), qsizetype(field.name.size())));
        }
        (new QCheckBox(this))->setObjectName(QStringLiteral("chkSaldata"));
        Set("txtNumRic", QStringLiteral("  12/2024 "));
        Set("txtData", QStringLiteral("15/03/2024"));
        Set("txtCliente", QStringLiteral("Rossi Mario"));
        Set("txtDesc01", QStringLiteral("Consulenza"));
        Set("txtPrezzo01", QStringLiteral("100,00"));
        Set("txtNote", QStringLiteral("<b>Saldo</b> [marzo]"));
    }
    void Set(const char* name, const QString& text) { SetFormText(*this, name, text); }
};

class ReceiptOutputTest : public test::ScreenTest {
  protected:
    QString PdfPath() const { return services.DataPath(QStringLiteral("Ricevuta.pdf")); }
    Editor editor;
};

struct ScreenCase {
    const char* name;
    const char* caption;
    const char* action;
};

TEST_F(ReceiptOutputTest, ScreensShowTheirCaptionsAndAnnullaDoesNothing) {
    const ScreenCase cases[] = {
        {"TfrmStampaRicevuta", " Stampa ricevuta", "Stampa"},
        {"TfrmAnteprimaRicevuta", " Anteprima di stampa", "Mostra anteprima"},
        {"TfrmPDF_Ricevuta", " Esportazione ricevuta in PDF", "Crea PDF"},
    };
    std::unique_ptr<ReceiptOutputScreen> screens[] = {
        std::make_unique<TfrmStampaRicevuta>(services, editor),
        std::make_unique<TfrmAnteprimaRicevuta>(services, editor),
        std::make_unique<TfrmPDF_Ricevuta>(services, editor)};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ReceiptOutputScreen& screen = *screens[i];
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(screen.objectName(), QString::fromLatin1(cases[i].name));
        EXPECT_EQ(screen.windowTitle(), QString::fromUtf8(cases[i].caption));
        EXPECT_EQ(Find<QPushButton>(&screen, QStringLiteral("btnStampa"))->text(),
                  QString::fromUtf8(cases[i].action));
        EXPECT_EQ(screen.font().family(), QStringLiteral("Verdana"));
        screen.show();
        Find<QPushButton>(&screen, QStringLiteral("btnAnnulla"))->click();
        EXPECT_FALSE(screen.isVisible());
    }
    EXPECT_TRUE(services.printJobs.empty());
    EXPECT_EQ(services.printDialogs, 0);
    EXPECT_FALSE(QFile::exists(PdfPath()));
}

TEST_F(ReceiptOutputTest, PrintSendsTheEditorsTextsAsTheyStandThenCloses) {
    services.paintJobs = true;
    TfrmStampaRicevuta screen(services, editor);
    screen.show();
    // Edited after the screen opened, not saved anywhere: still printed.
    editor.Set("txtCliente", QStringLiteral("Bianchi Anna"));
    Find<QPushButton>(&screen, QStringLiteral("btnStampa"))->click();
    EXPECT_EQ(services.printDialogs, 1);
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_EQ(services.printJobs[0].kind, PrintJobRecord::Kind::Print);
    EXPECT_TRUE(services.printJobs[0].painted);
    EXPECT_FALSE(screen.isVisible());
    const QString text = Tool(QStringLiteral("pdftotext"),
                              {services.DataPath(QStringLiteral("job0.pdf")), QStringLiteral("-")});
    EXPECT_EQ(text.count(QStringLiteral("Ricevuta n. 12/2024")), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("Bianchi Anna")), 2);
    EXPECT_FALSE(text.contains(QStringLiteral("<b>")));
    EXPECT_TRUE(text.contains(QStringLiteral("[marzo]")));
}

TEST_F(ReceiptOutputTest, CancelledPrintDialogPrintsNothing) {
    services.printDialogAccepts = false;
    TfrmStampaRicevuta screen(services, editor);
    screen.show();
    screen.btnStampaClick();
    EXPECT_EQ(services.printDialogs, 1);
    EXPECT_TRUE(services.printJobs.empty());
}

TEST_F(ReceiptOutputTest, PrinterThatCannotBeOpenedShowsAnErrorAndKeepsTheScreenOpen) {
    services.printerFails = true;
    TfrmStampaRicevuta screen(services, editor);
    screen.show();
    screen.btnStampaClick();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(
        services.messages[0],
        (test::ShownMessage{MessageKind::Error, QString::fromUtf8(kMsgStampaNonAvviata.data())}));
    EXPECT_TRUE(screen.isVisible());
}

TEST_F(ReceiptOutputTest, PreviewShowsTheSheetThenCloses) {
    TfrmAnteprimaRicevuta screen(services, editor);
    screen.show();
    screen.btnStampaClick();
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_EQ(services.printJobs[0].kind, PrintJobRecord::Kind::Preview);
    EXPECT_EQ(services.printDialogs, 0);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(ReceiptOutputTest, LogoComesFromLogoBmpOrTheDefaultPicture) {
    TfrmStampaRicevuta screen(services, editor);
    screen.show();
    const report::ReportDocument plain = screen.BuildSheet();
    ASSERT_NE(plain.FindPicture("imgLogo_A"), nullptr);
    EXPECT_FALSE(plain.FindPicture("imgLogo_A")->picture.Empty());

    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(services.DataPath(QStringLiteral("Logo.bmp")), "BMP"));
    screen.hide();
    screen.show();  // the logo is read when the screen opens
    const report::ReportDocument sheet = screen.BuildSheet();
    for (const char* name : {"imgLogo_A", "imgLogo_B"}) {
        EXPECT_EQ(sheet.FindPicture(name)->picture.width, 40);
        EXPECT_EQ(sheet.FindPicture(name)->picture.height, 20);
    }
}

TEST_F(ReceiptOutputTest, PdfIsWrittenAndOpenedUnlessTheAnswerIsNo) {
    TfrmPDF_Ricevuta screen(services, editor);
    screen.show();
    // "No" twice: the file is written each time and the screen stays open.
    services.answerNo = {true, true};
    screen.btnStampaClick();
    editor.Set("txtCliente", QStringLiteral("Verdi Luca"));
    screen.btnStampaClick();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(services.shellOpens.isEmpty());
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1],
              (test::ShownMessage{MessageKind::Confirmation,
                                  QString::fromUtf8("L'esportazione della scheda in PDF è "
                                                    "terminata con successo.\r\n\r\nSi vuole "
                                                    "aprire il file?")}));
    EXPECT_TRUE(Tool(QStringLiteral("pdftotext"), {PdfPath(), QStringLiteral("-")})
                    .contains(QStringLiteral("Verdi Luca")));
    const QString info = Tool(QStringLiteral("pdfinfo"), {PdfPath()});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Ricevuta\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Subject:\\s+Fattura\\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Encrypted:\\s+no"))));

    // Any other answer opens the file, quoted, and closes the screen.
    screen.btnStampaClick();
    EXPECT_EQ(services.shellOpens,
              QStringList{QStringLiteral("\"") + PdfPath() + QStringLiteral("\"")});
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(ReceiptOutputTest, UnwritablePdfShowsAnErrorAndKeepsTheScreenOpen) {
    // A folder where the file should go cannot be replaced by a file.
    ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("Ricevuta.pdf")));
    TfrmPDF_Ricevuta screen(services, editor);
    screen.show();
    screen.btnStampaClick();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(services.messages[0].text, kMsgReceiptPdfFailed);
    EXPECT_TRUE(services.shellOpens.isEmpty());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(QFileInfo(PdfPath()).isDir());
}

}  // namespace
}  // namespace corvelo

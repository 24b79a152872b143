#include "gui/documents/PDF_Ricevuta.h"

#include <QFile>
#include <filesystem>

#include "core/report/pdf_writer.h"
#include "gui/app/services.h"

namespace corvelo {

TfrmPDF_Ricevuta::TfrmPDF_Ricevuta(Services& services, QWidget& editor, QWidget* parent)
    : ReceiptOutputScreen(services, editor,
                          {"TfrmPDF_Ricevuta", " Esportazione ricevuta in PDF", "Crea PDF",
                           ":/pictures/pdf.svg", "Esportazione in PDF",
                           "La ricevuta mostrata viene salvata nel file Ricevuta.pdf nella "
                           "cartella del programma, sostituendo quello esistente."},
                          parent) {}

void TfrmPDF_Ricevuta::Output(const report::ReportDocument& sheet) {
    const QString path = services_.DataPath(kReceiptPdfName);
    // A viewer holding the old file, or a folder without write rights, must
    // not pass for a written file.
    if (!report::WritePdf(sheet, std::filesystem::path(QFile::encodeName(path).toStdString()))) {
        services_.Error(kMsgReceiptPdfFailed);
        return;
    }
    if (services_.AnsweredNo(kMsgReceiptPdfDone)) return;
    services_.ShellOpen(QStringLiteral("\"") + path + QStringLiteral("\""));
    accept();
}

}  // namespace corvelo

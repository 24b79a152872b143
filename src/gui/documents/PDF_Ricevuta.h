// The receipt PDF screen: writes the two-copy sheet of the receipt shown in
// the editor to Ricevuta.pdf in the data folder and offers to open it. On
// "No" the screen stays open, so the file can be written again.
#pragma once

#include <QString>

#include "gui/documents/receipt_output.h"

namespace corvelo {

inline const QString kReceiptPdfName = QStringLiteral("Ricevuta.pdf");
inline const QString kMsgReceiptPdfDone = QString::fromUtf8(
    "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
    "Si vuole aprire il file?");
inline const QString kMsgReceiptPdfFailed = QString::fromUtf8(
    "Attenzione: non è stato possibile scrivere il file Ricevuta.pdf.\r\n\r\n"
    "Accertarsi che il file non sia aperto in un altro programma e di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");

class TfrmPDF_Ricevuta : public ReceiptOutputScreen {
    Q_OBJECT
  public:
    TfrmPDF_Ricevuta(Services& services, QWidget& editor, QWidget* parent = nullptr);

  protected:
    void Output(const report::ReportDocument& sheet) override;
};

}  // namespace corvelo

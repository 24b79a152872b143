#include "gui/documents/AnteprimaRicevuta.h"

#include "gui/report/report_painter.h"

namespace corvelo {

TfrmAnteprimaRicevuta::TfrmAnteprimaRicevuta(Services& services, QWidget& editor, QWidget* parent)
    : ReceiptOutputScreen(services, editor,
                          {"TfrmAnteprimaRicevuta", " Anteprima di stampa", "Mostra anteprima",
                           ":/pictures/anteprima.svg", "Anteprima della ricevuta",
                           "La ricevuta mostrata viene presentata a video così come apparirà "
                           "sul foglio stampato, con le due copie affiancate."},
                          parent) {}

void TfrmAnteprimaRicevuta::Output(const report::ReportDocument& sheet) {
    PreviewReport(services_, sheet, QStringLiteral("Anteprima di stampa"));
    accept();
}

}  // namespace corvelo

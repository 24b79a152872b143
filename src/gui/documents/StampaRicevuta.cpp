#include "gui/documents/StampaRicevuta.h"

#include "gui/report/report_painter.h"

namespace corvelo {

TfrmStampaRicevuta::TfrmStampaRicevuta(Services& services, QWidget& editor, QWidget* parent)
    : ReceiptOutputScreen(services, editor,
                          {"TfrmStampaRicevuta", " Stampa ricevuta", "Stampa",
                           ":/pictures/stampa.svg", "Stampa della ricevuta",
                           "La ricevuta mostrata viene stampata su un foglio A4 orizzontale, "
                           "nelle due copie per il cliente e per la ditta emittente."},
                          parent) {}

void TfrmStampaRicevuta::Output(const report::ReportDocument& sheet) {
    // A printer that could not be opened was reported; the screen stays
    // open so the user can choose another.
    if (PrintReport(services_, sheet) == PrintOutcome::Failed) return;
    accept();
}

}  // namespace corvelo

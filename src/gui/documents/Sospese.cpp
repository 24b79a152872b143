#include "gui/documents/Sospese.h"

#include "core/documents/receipt_search.h"
#include "gui/documents/editor_archive.h"

namespace corvelo {
namespace {

const ListDialogTexts kTexts = {
    .name = "TfrmSospese",
    .caption = " Riepilogo ricevute non saldate",
    .picture = ":/pictures/sospese.svg",
    .title = "RICEVUTE NON SALDATE",
    .reportTitle = kUnpaidReportTitle,
    .size = QSize(1000, 560),
};

}  // namespace

TfrmSospese::TfrmSospese(Services& services, QWidget& editor, QWidget* parent)
    : ListDialog(services, kTexts, parent), editor_(editor) {
    // A failure keeps the lines read before it, without a message.
    SetList(UnpaidReceipts(EditorArchive(editor_, services_)).lines);
}

void TfrmSospese::RecallLine(const std::string& line) {
    LoadReceiptByLine(editor_, services_, line);
}

}  // namespace corvelo

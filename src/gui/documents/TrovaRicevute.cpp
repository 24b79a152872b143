#include "gui/documents/TrovaRicevute.h"

#include <algorithm>
#include <array>

#include "core/documents/receipt_search.h"
#include "gui/documents/editor_archive.h"
#include "gui/kit/text.h"

namespace corvelo {
namespace {

const std::array<SearchBox, 10> kBoxes =
    SearchBoxesFrom(kReceiptSearchBoxes, &ReceiptSearchBox::caption);

const SearchScreenTexts kTexts = {
    .name = "TfrmTrovaRicevute",
    .caption = " Trova ricevute in archivio",
    .picture = ":/pictures/trova.svg",
    .title = "TROVA RICEVUTE",
    .reportTitle = kSearchReportTitle,
    .countLine = &SearchCountLine,
    .size = QSize(1000, 600),
};

}  // namespace

TfrmTrovaRicevute::TfrmTrovaRicevute(Services& services, QWidget& editor, QWidget* parent)
    : SearchScreen(services, kTexts, kBoxes, parent), editor_(editor) {}

SearchFound TfrmTrovaRicevute::Search(std::span<const std::string> typed) {
    ReceiptSearchTexts texts;
    std::copy_n(typed.begin(), std::min(typed.size(), texts.size()), texts.begin());
    ReceiptListResult found = SearchReceipts(EditorArchive(editor_, services_), texts);
    return {std::move(found.lines), found.status.ok()};
}

void TfrmTrovaRicevute::lstRecordsDblClick(std::optional<std::string> line) {
    if (line && Tag() == Q(kSearchTag)) LoadReceiptByLine(editor_, services_, *line);
    accept();
}

}  // namespace corvelo

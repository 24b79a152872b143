#include "gui/warehouse/TrovaMagazzino.h"

#include <algorithm>

#include "core/warehouse/item_card.h"
#include "gui/kit/text.h"
#include "gui/warehouse/Magazzino.h"

namespace corvelo {

std::span<const SearchBox> ItemSearchBoxes() {
    static const auto boxes = SearchBoxesFrom(kItemSearchBoxes, &ItemSearchBox::caption);
    return boxes;
}

SearchScreenTexts ItemSearchScreenTexts(const char* name, std::string_view caption) {
    // Wide enough for a whole result line up to its last column.
    return {
        .name = name,
        .caption = caption.data(),
        .picture = ":/pictures/trova.svg",
        .title = "TROVA ARTICOLI",
        .reportTitle = kItemSearchReportTitle,
        .countLine = &ItemCountLine,
        .size = QSize(1280, 620),
    };
}

SearchFound SearchItemLines(const Services& services, std::span<const std::string> typed,
                            ItemLineKind kind) {
    ItemSearchTexts texts;
    std::copy_n(typed.begin(), std::min(typed.size(), texts.size()), texts.begin());
    ItemListResult found = SearchItems(WarehouseArchive(services), texts, kind);
    return {std::move(found.lines), found.status.ok(), std::move(found.notices)};
}

TfrmTrovaMagazzino::TfrmTrovaMagazzino(Services& services, QWidget& card, QWidget* parent)
    : SearchScreen(services, ItemSearchScreenTexts("TfrmTrovaMagazzino", kItemSearchCaption),
                   ItemSearchBoxes(), parent),
      card_(card) {}

SearchFound TfrmTrovaMagazzino::Search(std::span<const std::string> typed) {
    return SearchItemLines(services_, typed, ItemLineKind::kCard);
}

void TfrmTrovaMagazzino::lstRecordsDblClick(std::optional<std::string> line) {
    if (line && Tag() == Q(kItemEditorTag)) RecallItemByLine(card_, services_, *line);
    accept();
}

}  // namespace corvelo

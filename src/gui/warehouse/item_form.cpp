#include "gui/warehouse/item_form.h"

#include <QWidget>

#include "core/storage/articolo.h"
#include "core/storage/messages.h"
#include "core/warehouse/item_lists.h"
#include "gui/app/conventions.h"
#include "gui/app/services.h"
#include "gui/kit/text.h"

namespace corvelo {

std::filesystem::path WarehouseArchive(const Services& services) {
    return FsPath(services.DataPath(Q(kMagazzinoFileName)));
}

QString ItemFormText(const QWidget& card, std::string_view control) {
    const auto* widget = card.findChild<QWidget*>(Q(control));
    return widget ? TextOf(widget) : QString();
}

void SetItemFormText(QWidget& card, std::string_view control, const QString& text) {
    if (auto* widget = card.findChild<QWidget*>(Q(control))) SetTextOf(widget, text);
}

ItemTexts ReadItemForm(const QWidget& card) {
    ItemTexts texts;
    for (std::size_t f = 0; f < TArticolo::kFieldCount; ++f) {
        texts[f] = Utf8(ItemFormText(card, ItemControlName(TArticolo::Field(f))));
    }
    return texts;
}

void ShowItemOnForm(QWidget& card, const ItemTexts& texts) {
    for (std::size_t f = 0; f < TArticolo::kFieldCount; ++f) {
        SetItemFormText(card, ItemControlName(TArticolo::Field(f)), Q(texts[f]));
    }
}

std::string ItemPosition(const QWidget& card) {
    return Utf8(ItemFormText(card, "lblPosizione"));
}

void SetItemPosition(QWidget& card, std::string_view position) {
    SetItemFormText(card, "lblPosizione", Q(position));
}

bool RecallItemByLine(QWidget& card, Services& services, std::string_view line) {
    const LocatedItem found =
        LocateItemByLine(WarehouseArchive(services), line, ItemLineKind::kCard);
    if (!found.status.ok()) {
        services.Warning(Q(kMsgAccessoArchivio));
        return false;
    }
    if (!found.found()) return false;
    ShowItemOnForm(card, TextsFromItem(found.record));
    SetItemPosition(card, std::to_string(found.card));
    return true;
}

}  // namespace corvelo

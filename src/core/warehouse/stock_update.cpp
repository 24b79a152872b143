#include "core/warehouse/stock_update.h"

#include <cmath>
#include <optional>

#include "core/app/routines.h"
#include "core/storage/articolo.h"
#include "core/storage/cp1252.h"
#include "core/storage/text.h"
#include "core/warehouse/item_card.h"

namespace corvelo {

StockWindowTexts OpenStockWindow(std::string_view card_stock) {
    std::string stock = Trim(card_stock);
    if (stock.empty()) stock = "0";
    return {stock, "0", stock};
}

StockTotal CalculateStockTotal(std::string_view label, const StockWindowTexts& texts) {
    StockTotal out{texts, false};
    StockWindowTexts& t = out.texts;
    for (std::string* box : {&t.giacenza, &t.aggiunta, &t.totale}) {
        if (TrimView(*box).empty()) *box = "0";
    }
    const std::optional<double> g = TextToNumber(t.giacenza);
    const std::optional<double> q = TextToNumber(t.aggiunta);
    if (!g || !q || !std::isfinite(*g + *q) || !std::isfinite(*g - *q)) {
        t = {"0", "0", "0"};
        return out;
    }
    const std::string_view op = TrimView(label);
    if (op == kLabelAggiungi) {
        t.totale = NumberToText(RoundDecimals(*g + *q, 4));
    } else if (op == kLabelSottrai) {
        t.totale = NumberToText(RoundDecimals(*g - *q, 4));
    }
    out.computed = true;
    return out;
}

StockApply ApplyStock(std::string_view label, const StockWindowTexts& texts) {
    StockTotal total = CalculateStockTotal(label, texts);
    StockApply out{std::move(total.texts), false, "", {}};
    if (!total.computed) return out;
    std::string stock = Trim(out.texts.totale);
    constexpr std::size_t kCapacity = TArticolo::kFields[TArticolo::Giacenza].capacity;
    if (CodePointCount(stock) > kCapacity) {
        out.notice = {NoticeKind::kWarning, NumberTooLongMessage("la giacenza", stock, kCapacity)};
        return out;
    }
    out.applied = true;
    out.card_stock = std::move(stock);
    return out;
}

bool StockKeyEmptiesBox(std::string_view current_text) {
    return CodePointCount(current_text) > kStockBoxMaxChars;
}

}  // namespace corvelo

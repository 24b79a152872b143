#include "core/warehouse/item_import.h"

#include <cstdio>

#include "core/app/routines.h"
#include "core/receipts/receipt_save.h"
#include "core/storage/card.h"
#include "core/storage/cp1252.h"
#include "core/storage/messages.h"
#include "core/storage/record_scan.h"
#include "core/storage/text.h"
#include "core/warehouse/item_card.h"
#include "core/warehouse/item_lists.h"

namespace corvelo {

using A = TArticolo;
using Res = ImportOutcome::Result;

namespace {

constexpr std::string_view kTagPrefix = "ric_art_";

std::string PriceTooLongMessage(std::string_view price) {
    return "Attenzione: il prezzo dell'articolo (" + std::string(price) + ") supera i " +
           std::to_string(kAmountCapacity) +
           " caratteri disponibili nella riga della ricevuta e non può essere importato."
           "\n\r\n\rCorreggere il prezzo nella scheda dell'articolo.";
}

bool FitsField(std::string_view text, A::Field f) {
    return CodePointCount(text) <= A::kFields[f].capacity;
}

}  // namespace

std::optional<int> ReceiptLineOfTag(std::string_view tag) {
    if (tag.size() != kTagPrefix.size() + 2 || !tag.starts_with(kTagPrefix)) return std::nullopt;
    const char a = tag[kTagPrefix.size()];
    const char b = tag[kTagPrefix.size() + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return std::nullopt;
    const int line = (a - '0') * 10 + (b - '0');
    if (line < 1 || line > 30) return std::nullopt;
    return line;
}

std::string ImportTag(int line) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "ric_art_%02d", line);
    return buffer;
}

ChosenItem ChosenItemOf(const TArticolo& r, std::size_t card) {
    return {Trim(r[A::Codice]), Trim(r[A::Descrizione]), Trim(r[A::Giacenza]),
            Trim(r[A::Costo]),  Trim(r[A::Valore]),      std::to_string(card)};
}

ChooseOutcome ChooseItem(const std::filesystem::path& path, std::string_view line, FileSystem& fs) {
    ChooseOutcome out;
    LocatedItem located = LocateItemByLine(path, line, ItemLineKind::kImport, fs);
    out.status = std::move(located.status);
    if (!out.status.ok()) {
        out.notice = {NoticeKind::kWarning, std::string(kMsgAccessoArchivio)};
    } else if (located.found()) {
        out.chosen = ChosenItemOf(located.record, located.card);
    }
    return out;
}

std::string LeaveQuantityBox(std::string_view text) {
    if (TrimView(text).empty()) return "";
    const std::optional<double> n = TextToNumber(text);
    return n ? NumberToText(RoundDecimals(*n, 4)) : "0";
}

ImportOutcome ImportItem(const std::filesystem::path& path, const ImportRequest& request,
                         FileSystem& fs) {
    ImportOutcome out;
    out.chosen = request.chosen;
    auto finish = [&](Res result, NoticeKind kind = NoticeKind::kNone, std::string text = {}) {
        out.result = result;
        out.notice = {kind, std::move(text)};
        return out;
    };

    const std::optional<std::size_t> card = ParseCardPosition(Trim(request.chosen.posizione));
    if (!request.line_selected || !card || *card == 0) {
        return finish(Res::kNotSelected, NoticeKind::kWarning, std::string(kMsgSelezionaArticolo));
    }
    const std::optional<int> line = ReceiptLineOfTag(request.tag);
    if (!line) return finish(Res::kUnknownTag);

    std::string new_stock;
    if (request.update_stock) {
        const std::optional<double> q = TextToNumber(request.quantity);
        const std::optional<double> g = TextToNumber(request.chosen.giacenza);
        if (!q || !g || *q < 0) return finish(Res::kNotANumber);
        if (*q > *g) {
            return finish(Res::kAboveStock, NoticeKind::kWarning,
                          std::string(kMsgQuantitaSuperiore));
        }
        new_stock = NumberToText(RoundDecimals(*g - *q, 4));
    }

    CardRead<TArticolo> read = ReadCard<TArticolo>(path, *card, fs);
    if (!read.ok()) {
        out.status = std::move(read.status);
        return finish(Res::kFileError, NoticeKind::kWarning, std::string(kMsgAccessoArchivio));
    }
    TArticolo& record = read.value;
    ReceiptLineFill fill{*line, Trim(record[A::Descrizione]), Trim(record[A::Prezzo])};
    if (CodePointCount(fill.prezzo) > kAmountCapacity) {
        return finish(Res::kTooLong, NoticeKind::kWarning, PriceTooLongMessage(fill.prezzo));
    }

    if (request.update_stock) {
        if (!FitsField(new_stock, A::Giacenza)) {
            return finish(
                Res::kTooLong, NoticeKind::kWarning,
                NumberTooLongMessage("la giacenza", new_stock, A::kFields[A::Giacenza].capacity));
        }
        // The value as Calcola valore works it out, on the window's labels.
        ItemTexts labels;
        labels[A::Costo] = request.chosen.costo;
        labels[A::Giacenza] = new_stock;
        labels[A::Valore] = request.chosen.valore;
        ItemStep value = CalculateStockValue(labels);
        if (value.result == ItemStep::Result::kRefused) {
            out.result = Res::kTooLong;
            out.notice = std::move(value.notice);
            return out;
        }
        record[A::Giacenza] = new_stock;
        record[A::Valore] = value.texts[A::Valore];
        Result<std::size_t> written = WriteCard(path, record, *card, fs);
        if (!written.ok()) {
            out.status = std::move(written.status);
            return finish(Res::kFileError, NoticeKind::kWarning, std::string(kMsgAccessoArchivio));
        }
        out.written = true;
        out.chosen.giacenza = new_stock;
        out.chosen.costo = value.texts[A::Costo];
        out.chosen.valore = value.texts[A::Valore];
    }
    out.fill = std::move(fill);
    return finish(Res::kImported);
}

}  // namespace corvelo

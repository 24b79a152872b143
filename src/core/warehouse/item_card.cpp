#include "core/warehouse/item_card.h"

#include <cmath>

#include "core/app/amount_box.h"
#include "core/app/card_editor.h"
#include "core/app/routines.h"
#include "core/storage/cp1252.h"
#include "core/storage/messages.h"
#include "core/storage/record_file.h"
#include "core/storage/text.h"

namespace corvelo {

using A = TArticolo;
using K = ItemBoxKind;
using Al = BoxAlign;

namespace {

constexpr std::size_t Cap(A::Field f) {
    return A::kFields[f].capacity;
}

}  // namespace

const std::array<ItemBox, 20> kItemBoxes = {{
    {"txtCodice", "Codice articolo:", "", Cap(A::Codice), "", K::kText, Al::kLeft, A::Codice,
     "txtTipologia"},
    {"txtTipologia", "Tipologia:", "", Cap(A::Tipologia), "", K::kText, Al::kLeft, A::Tipologia,
     "txtMarca"},
    {"txtMarca", "Marca:", "", Cap(A::Marca), "", K::kText, Al::kLeft, A::Marca, "txtModello"},
    {"txtModello", "Modello:", "", Cap(A::Modello), "", K::kText, Al::kLeft, A::Modello,
     "txtDescrizione"},
    {"txtDescrizione", "Descrizione:", "", Cap(A::Descrizione), "", K::kText, Al::kLeft,
     A::Descrizione, "txtAccessori"},
    {"txtAccessori", "Accessori:", "", Cap(A::Accessori), "", K::kText, Al::kLeft, A::Accessori,
     "txtFornitore"},
    {"txtFornitore", "Fornitore:", "", Cap(A::Fornitore), "", K::kText, Al::kLeft, A::Fornitore,
     "txtRecapiti"},
    {"txtRecapiti", "Recapito preferenziale:", "", Cap(A::Recapiti), "", K::kText, Al::kLeft,
     A::Recapiti, "txtData"},
    {"txtData", "Data di acquisto:", "", Cap(A::Data), "", K::kText, Al::kLeft, A::Data,
     "txtDocumento"},
    {"txtDocumento", "Estremi documento di acquisto:", "", Cap(A::Documento), "", K::kText,
     Al::kLeft, A::Documento, "txtOrdine"},
    {"txtOrdine", "Modalità di ordine merce:", "", Cap(A::Ordine), "", K::kText, Al::kLeft,
     A::Ordine, "txtGiacenza"},
    {"txtGiacenza", "Giacenza:", "", Cap(A::Giacenza), "0", K::kWholeNumber, Al::kCentre,
     A::Giacenza, "txtSottoscorta"},
    {"txtSottoscorta", "Avviso sottoscorta n.", "pezzi rimasti.", Cap(A::Sottoscorta), "0",
     K::kWholeNumber, Al::kCentre, A::Sottoscorta, "txtCosto"},
    {"txtCosto", "Costo:", "", Cap(A::Costo), "0,00", K::kAmount, Al::kRight, A::Costo,
     "txtValore"},
    {"txtValore", "Valore (costo x giacenza):", "", Cap(A::Valore), "0,00", K::kAmount, Al::kRight,
     A::Valore, "txtPrezzo"},
    {"txtPrezzo", "Prezzo:", "", Cap(A::Prezzo), "0,00", K::kAmount, Al::kRight, A::Prezzo,
     "txtPercIva"},
    {"txtPercIva", "Perc. IVA:", "%", Cap(A::PercIva), "0", K::kWholeNumber, Al::kCentre,
     A::PercIva, "txtPrezzo_con_Iva"},
    {"txtPrezzo_con_Iva", "Prezzo con IVA:", "", Cap(A::Prezzo_con_Iva), "0,00", K::kAmount,
     Al::kRight, A::Prezzo_con_Iva, "txtCollocazione"},
    {"txtCollocazione", "Collocazione in magazzino:", "", Cap(A::Collocazione), "", K::kText,
     Al::kLeft, A::Collocazione, "txtNote"},
    {"txtNote", "Note:", "", Cap(A::Note), "", K::kText, Al::kLeft, A::Note, "txtCodice"},
}};

const std::array<ItemLabel, 12> kItemHiddenLabels = {{
    {"memConsumo", A::Consumo},
    {"memAderenza", A::Aderenza},
    {"memRumore", A::Rumore},
    {"memOnde", A::Onde},
    {"lblFile01", A::File01},
    {"lblFile02", A::File02},
    {"lblFile03", A::File03},
    {"lblDesc01", A::Desc01},
    {"lblDesc02", A::Desc02},
    {"lblDesc03", A::Desc03},
    {"lblCartella", A::Cartella},
    {"lblCartellaDesc", A::CartellaDesc},
}};

const ItemBox* ItemBoxOf(TArticolo::Field field) {
    for (const ItemBox& b : kItemBoxes) {
        if (b.field == field) return &b;
    }
    return nullptr;
}

std::string_view ItemControlName(TArticolo::Field field) {
    if (const ItemBox* b = ItemBoxOf(field)) return b->control;
    for (const ItemLabel& l : kItemHiddenLabels) {
        if (l.field == field) return l.control;
    }
    return {};
}

std::span<const CardField> ItemCardFields() {
    static const std::array<CardField, A::kFieldCount> fields = [] {
        // How a message names the fields without a box of their own.
        constexpr std::pair<A::Field, std::string_view> kHidden[] = {
            {A::Consumo, "Altezza"},
            {A::Aderenza, "Larghezza"},
            {A::Rumore, "Lunghezza"},
            {A::Onde, "Scadenza"},
            {A::File01, "Nome 1° file allegato"},
            {A::File02, "Nome 2° file allegato"},
            {A::File03, "Nome 3° file allegato"},
            {A::Desc01, "Descrizione 1° file allegato"},
            {A::Desc02, "Descrizione 2° file allegato"},
            {A::Desc03, "Descrizione 3° file allegato"},
            {A::Cartella, "Cartella"},
            {A::CartellaDesc, "Descrizione cartella"},
        };
        std::array<CardField, A::kFieldCount> out{};
        std::size_t i = 0;
        for (const ItemBox& b : kItemBoxes) {
            const std::string_view caption = b.caption;
            out[i++] = {b.field, b.control, caption.substr(0, caption.rfind(':'))};
        }
        for (const auto& [field, name] : kHidden) out[i++] = {field, ItemControlName(field), name};
        return out;
    }();
    return fields;
}

ItemTexts ClearedItem() {
    ItemTexts t;
    for (const ItemBox& b : kItemBoxes) t[b.field] = std::string(b.initial);
    return t;
}

ItemTexts TextsFromItem(const TArticolo& record) {
    ItemTexts t;
    for (std::size_t f = 0; f < A::kFieldCount; ++f) t[f] = Trim(record[f]);
    return t;
}

TArticolo ItemFromTexts(const ItemTexts& texts) {
    TArticolo r;
    for (std::size_t f = 0; f < A::kFieldCount; ++f) r[f] = Trim(texts[f]);
    return r;
}

std::string LeaveItemBox(ItemBoxKind kind, std::string_view text) {
    switch (kind) {
        case ItemBoxKind::kAmount:
            return NormaliseAmount(text, EmptyAmount::BecomesZero);
        case ItemBoxKind::kWholeNumber: {
            const std::optional<double> n = TextToNumber(text);
            return n ? NumberToText(RoundDecimals(*n, 0)) : "0";
        }
        case ItemBoxKind::kText:
            break;
    }
    return std::string(text);
}

std::string NumberTooLongMessage(std::string_view what, std::string_view value,
                                 std::size_t capacity) {
    return "Attenzione: " + std::string(what) + " (" + std::string(value) + ") supera i " +
           std::to_string(capacity) +
           " caratteri disponibili in archivio e il valore memorizzato risulterebbe diverso da "
           "quello indicato.\n\r\n\rIndicare un valore più piccolo.";
}

namespace {

using Step = ItemStep::Result;

// How the warnings name each number field.
std::string_view NumberName(A::Field f) {
    switch (f) {
        case A::Giacenza:
            return "la giacenza";
        case A::Sottoscorta:
            return "l'avviso sottoscorta";
        case A::Costo:
            return "il costo";
        case A::Valore:
            return "il valore";
        case A::Prezzo:
            return "il prezzo";
        case A::PercIva:
            return "l'aliquota IVA";
        case A::Prezzo_con_Iva:
            return "il prezzo con IVA";
        default:
            return A::kFields[f].name;
    }
}

bool Fits(std::string_view text, A::Field f) {
    return CodePointCount(TrimView(text)) <= Cap(f);
}

void Default(ItemTexts& t, A::Field f) {
    if (TrimView(t[f]).empty()) t[f] = std::string(ItemBoxOf(f)->initial);
}

void Reset(ItemTexts& t, A::Field f) {
    t[f] = std::string(ItemBoxOf(f)->initial);
}

// A computed amount as the boxes write it: shortest form, read back, rounded
// to two decimals, completed as a money text. nullopt when not finite.
std::optional<std::string> MoneyResult(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const std::optional<double> back = TextToNumber(NumberToText(x));
    if (!back) return std::nullopt;
    return CompleteAmountText(NumberToText(RoundDecimals(*back, 2)));
}

ItemStep Refused(ItemTexts t, A::Field f, const std::string& value, std::string focus) {
    return {std::move(t),
            Step::kRefused,
            {NoticeKind::kWarning, NumberTooLongMessage(NumberName(f), value, Cap(f))},
            std::move(focus)};
}

}  // namespace

ItemStep CalculatePriceWithVat(const ItemTexts& texts) {
    ItemTexts t = texts;
    Default(t, A::Prezzo);
    Default(t, A::PercIva);
    Default(t, A::Prezzo_con_Iva);
    const std::optional<double> p = TextToNumber(t[A::Prezzo]);
    const std::optional<double> r = TextToNumber(t[A::PercIva]);
    std::optional<std::string> c;
    if (p && r) c = MoneyResult(*p + *p * *r / 100);
    if (!c) {
        const bool overflow = p && r;
        if (!p || overflow) Reset(t, A::Prezzo);
        if (!r || overflow) Reset(t, A::PercIva);
        Reset(t, A::Prezzo_con_Iva);
        return {std::move(t),
                Step::kReset,
                {NoticeKind::kWarning, std::string(kMsgCalcolaNonValidi)},
                "txtPrezzo_con_Iva"};
    }
    if (!Fits(*c, A::Prezzo_con_Iva))
        return Refused(std::move(t), A::Prezzo_con_Iva, *c, "txtPrezzo");
    t[A::Prezzo_con_Iva] = std::move(*c);
    return {std::move(t), Step::kDone, {}, ""};
}

ItemStep SplitVat(const ItemTexts& texts) {
    ItemTexts t = texts;
    Default(t, A::PercIva);
    Default(t, A::Prezzo_con_Iva);
    const std::optional<double> r = TextToNumber(t[A::PercIva]);
    const std::optional<double> c = TextToNumber(t[A::Prezzo_con_Iva]);
    std::optional<std::string> p;
    if (r && c) p = MoneyResult(*c * 100 / (100 + *r));
    if (!p) {
        const bool overflow = r && c;
        if (!r || overflow) Reset(t, A::PercIva);
        if (!c || overflow) Reset(t, A::Prezzo_con_Iva);
        Reset(t, A::Prezzo);
        return {std::move(t),
                Step::kReset,
                {NoticeKind::kWarning, std::string(kMsgScorporaNonValidi)},
                "txtPrezzo_con_Iva"};
    }
    const std::string rate = NumberToText(*r);
    if (!Fits(rate, A::PercIva)) return Refused(std::move(t), A::PercIva, rate, "txtPercIva");
    if (!Fits(*p, A::Prezzo)) return Refused(std::move(t), A::Prezzo, *p, "txtPrezzo_con_Iva");
    t[A::PercIva] = rate;
    t[A::Prezzo] = std::move(*p);
    return {std::move(t), Step::kDone, {}, ""};
}

ItemStep CalculateStockValue(const ItemTexts& texts) {
    ItemTexts t = texts;
    Default(t, A::Costo);
    Default(t, A::Giacenza);
    Default(t, A::Valore);
    const std::optional<double> cost = TextToNumber(t[A::Costo]);
    const std::optional<double> stock = TextToNumber(t[A::Giacenza]);
    std::optional<std::string> value;
    if (cost && stock) value = MoneyResult(*cost * *stock);
    if (!value) {
        // Only what is not a number goes; an overflow blames the cost. The
        // stock is never lost to a bad cost.
        if (!cost || stock) Reset(t, A::Costo);
        if (!stock) Reset(t, A::Giacenza);
        Reset(t, A::Valore);
        return {std::move(t), Step::kReset, {}, ""};
    }
    if (!Fits(*value, A::Valore)) return Refused(std::move(t), A::Valore, *value, "txtCosto");
    t[A::Valore] = std::move(*value);
    return {std::move(t), Step::kDone, {}, ""};
}

ItemSaveOutcome SaveItem(const std::filesystem::path& path, const ItemTexts& texts,
                         std::string_view position, FileSystem& fs) {
    ItemSaveOutcome out;
    out.texts = texts;
    out.position = std::string(position);
    ItemTexts& t = out.texts;
    auto warn = [&](std::string text, std::string focus) {
        out.notices.push_back({NoticeKind::kWarning, std::move(text)});
        out.focus = std::move(focus);
    };

    if (TrimView(t[A::Codice]).empty()) {
        warn(std::string(kMsgCodiceMancante), "txtCodice");
        return out;
    }
    for (A::Field f : {A::Giacenza, A::Sottoscorta, A::PercIva, A::Costo, A::Valore, A::Prezzo,
                       A::Prezzo_con_Iva}) {
        Default(t, f);
    }
    for (A::Field f : {A::Giacenza, A::Sottoscorta}) {
        const std::optional<double> n = TextToNumber(t[f]);
        if (!n) {
            warn(std::string(kMsgAccessoArchivio), std::string(ItemBoxOf(f)->control));
            return out;
        }
        t[f] = NumberToText(RoundDecimals(*n, 0));
    }
    for (auto step : {&CalculatePriceWithVat, &CalculateStockValue}) {
        ItemStep s = step(t);
        t = std::move(s.texts);
        if (!s.notice.empty()) out.notices.push_back(std::move(s.notice));
        if (!s.focus.empty()) out.focus = std::move(s.focus);
        if (s.result == Step::kRefused) return out;
    }
    for (const ItemBox& b : kItemBoxes) {
        if (b.kind != ItemBoxKind::kText && !Fits(t[b.field], b.field)) {
            warn(NumberTooLongMessage(NumberName(b.field), Trim(t[b.field]), b.max_chars),
                 std::string(b.control));
            return out;
        }
    }

    CardSaveOutcome card =
        StoreCard(path, ItemFromTexts(t), position, ItemCardFields(), kItemCardFailures, fs);
    out.position = std::move(card.position);
    out.status = std::move(card.status);
    out.saved = card.saved;
    if (!card.focus.empty()) out.focus = std::move(card.focus);
    out.notices.push_back(std::move(card.notice));
    return out;
}

ItemDuplicateOutcome DuplicateItem(const std::filesystem::path& path, const ItemTexts& texts,
                                   std::string_view position, FileSystem& fs) {
    ItemDuplicateOutcome out{texts, std::string(position), {}, "", {}};
    if (TrimView(position).empty()) {
        out.notice = {NoticeKind::kWarning, std::string(kMsgDuplicaNuova)};
        return out;
    }
    for (A::Field f : {A::File01, A::File02, A::File03, A::Desc01, A::Desc02, A::Desc03,
                       A::Cartella, A::CartellaDesc}) {
        out.texts[f].clear();
    }
    out.position.clear();
    RecordFile file;
    out.status = file.OpenOrCreate(path, A::kSize, fs);
    if (out.status.ok()) out.status = file.CloseRecordFile();
    if (!out.status.ok()) {
        out.notice = {NoticeKind::kWarning, std::string(kMsgAccessoArchivio)};
        return out;
    }
    out.focus = "txtCodice";
    out.notice = {NoticeKind::kInformation, std::string(kMsgDuplicata)};
    return out;
}

}  // namespace corvelo

#include "core/warehouse/item_lists.h"

#include "core/app/routines.h"
#include "core/storage/archive_scan.h"
#include "core/storage/messages.h"
#include "core/storage/text.h"

namespace corvelo {

using A = TArticolo;

const std::array<ItemSearchBox, 10> kItemSearchBoxes = {{
    {"txtCodice", "Codice articolo:", A::Codice},
    {"txtTipologia", "Tipologia:", A::Tipologia},
    {"txtMarca", "Marca:", A::Marca},
    {"txtModello", "Modello:", A::Modello},
    {"txtDescrizione", "Descrizione:", A::Descrizione},
    {"txtAccessori", "Accessori:", A::Accessori},
    {"txtFornitore", "Fornitore:", A::Fornitore},
    {"txtDocumento", "Estremi documento di acquisto:", A::Documento},
    {"txtCollocazione", "Collocazione in magazzino:", A::Collocazione},
    {"txtNote", "Note:", A::Note},
}};

namespace {

// Windows-1252 bytes cut or padded to `width` characters (one byte is one
// character, so this is FitWidth of the decoded text).
void AppendFitted(std::string_view raw, std::size_t width, std::string& out) {
    if (raw.size() > width) raw = raw.substr(0, width);
    AppendCp1252(raw, out);
    out.append(width - raw.size(), ' ');
}

std::string_view Raw(const char* record, A::Field f) {
    return RawField(record, A::kFields[f]);
}

void AppendCardLine(const char* record, std::string& out) {
    AppendFitted(Raw(record, A::Codice), 30, out);
    out += "  ";
    // Brand, one blank and model make one column of 40.
    char both[2 * 250 + 1];
    const std::string_view marca = Raw(record, A::Marca);
    const std::string_view modello = Raw(record, A::Modello);
    std::size_t n = marca.copy(both, marca.size());
    both[n++] = ' ';
    n += modello.copy(both + n, modello.size());
    AppendFitted(std::string_view(both, n), 40, out);
    out += "  Costo: ";
    AppendFitted(Raw(record, A::Costo), 12, out);
    out += "  Giacenza: ";
    AppendFitted(Raw(record, A::Giacenza), 12, out);
    out += "  Note: ";
    AppendCp1252(Raw(record, A::Note), out);
}

void AppendImportLine(const char* record, std::string& out) {
    AppendFitted(Raw(record, A::Codice), 30, out);
    out += "  ";
    AppendFitted(Raw(record, A::Descrizione), 45, out);
    out += "  Prezzo: ";
    AppendFitted(Raw(record, A::Prezzo), 15, out);
    out += "  Giacenza: ";
    AppendCp1252(Raw(record, A::Giacenza), out);
}

void Finish(ItemListResult& out) {
    out.lines.SortCaseless();
    if (!out.skipped.empty()) {
        out.notices.push_back({NoticeKind::kWarning, SkippedCardsMessage(out.skipped)});
    }
    if (!out.status.ok()) {
        out.notices.push_back({NoticeKind::kPlain, std::string(kMsgAccessoArchivio)});
    }
}

}  // namespace

std::string ItemListLine(const TArticolo& r, ItemLineKind kind) {
    std::string line;
    if (kind == ItemLineKind::kCard) {
        line += FitWidth(Trim(r[A::Codice]), 30);
        line += "  ";
        line += FitWidth(Trim(r[A::Marca]) + " " + Trim(r[A::Modello]), 40);
        line += "  Costo: ";
        line += FitWidth(Trim(r[A::Costo]), 12);
        line += "  Giacenza: ";
        line += FitWidth(Trim(r[A::Giacenza]), 12);
        line += "  Note: ";
        line += Trim(r[A::Note]);
    } else {
        line += FitWidth(Trim(r[A::Codice]), 30);
        line += "  ";
        line += FitWidth(Trim(r[A::Descrizione]), 45);
        line += "  Prezzo: ";
        line += FitWidth(Trim(r[A::Prezzo]), 15);
        line += "  Giacenza: ";
        line += Trim(r[A::Giacenza]);
    }
    return line;
}

void AppendItemListLine(const char* record, ItemLineKind kind, std::string& out) {
    if (kind == ItemLineKind::kCard) {
        AppendCardLine(record, out);
    } else {
        AppendImportLine(record, out);
    }
}

std::optional<bool> IsLowStock(std::string_view giacenza, std::string_view sottoscorta) {
    const std::optional<double> stock = TextToNumber(giacenza);
    const std::optional<double> level = TextToNumber(sottoscorta);
    if (!stock || !level) return std::nullopt;
    return *stock <= *level;
}

ItemListResult LowStockList(const std::filesystem::path& path, FileSystem& fs) {
    ItemListResult out;
    out.status = ArchiveReader::Scan(
        path, A::kSize,
        [&](const char* record, std::size_t card) {
            const std::optional<bool> low =
                IsLowStock(Raw(record, A::Giacenza), Raw(record, A::Sottoscorta));
            if (!low) {
                out.skipped.push_back(card);
            } else if (*low) {
                AppendCardLine(record, out.lines.OpenLine());
                out.lines.CloseLine();
            }
        },
        fs);
    Finish(out);
    return out;
}

ItemListResult SearchItems(const std::filesystem::path& path, const ItemSearchTexts& boxes,
                           ItemLineKind kind, FileSystem& fs) {
    std::array<RecordField, 10> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = A::kFields[kItemSearchBoxes[i].field];
    }
    const CriteriaMatcher matcher(boxes, fields);
    ItemListResult out;
    if (matcher.Needed() == 0) {
        const std::size_t n = RecordCountHint(path, A::kSize);
        out.lines.Reserve(n, n * 160);
    }
    out.status = ArchiveReader::Scan(
        path, A::kSize,
        [&](const char* record, std::size_t) {
            if (!matcher.Matches(record)) return;
            AppendItemListLine(record, kind, out.lines.OpenLine());
            out.lines.CloseLine();
        },
        fs);
    Finish(out);
    return out;
}

std::string ItemCountLine(std::size_t lines) {
    return "Il presente elenco contiene " + std::to_string(lines) + " schede.";
}

std::string SkippedCardsMessage(const std::vector<std::size_t>& cards) {
    // A damaged file could leave out thousands: the first ones are enough to
    // find the fault.
    constexpr std::size_t kNamed = 20;
    std::string named;
    for (std::size_t i = 0; i < cards.size() && i < kNamed; ++i) {
        if (i > 0) named += ", ";
        named += std::to_string(cards[i]);
    }
    if (cards.size() > kNamed) named += " e altre " + std::to_string(cards.size() - kNamed);
    if (cards.size() == 1) {
        return "Attenzione: la scheda n. " + named +
               " non è stata considerata perché la giacenza o l'avviso sottoscorta non contiene "
               "un numero valido.";
    }
    return "Attenzione: le schede n. " + named +
           " non sono state considerate perché la giacenza o l'avviso sottoscorta non contiene "
           "un numero valido.";
}

LocatedItem LocateItemByLine(const std::filesystem::path& path, std::string_view line,
                             ItemLineKind kind, FileSystem& fs) {
    return LocateByLine<TArticolo>(
        path, line,
        [kind](const char* record, std::string& out) { AppendItemListLine(record, kind, out); },
        fs);
}

}  // namespace corvelo

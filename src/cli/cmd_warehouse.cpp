// The warehouse commands: lowstock, search items, unload CARD QUANTITY and
// export warehouse.
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "core/app/routines.h"
#include "core/storage/articolo.h"
#include "core/storage/messages.h"
#include "core/storage/record_scan.h"
#include "core/storage/text.h"
#include "core/warehouse/item_import.h"
#include "core/warehouse/item_lists.h"
#include "core/warehouse/warehouse_export.h"

namespace corvelo::cli {
namespace {

std::filesystem::path Warehouse(const Context& ctx) {
    return ctx.dir / std::string(kMagazzinoFileName);
}

int UsageOf(Context& ctx, const char* usage) {
    ctx.err << "usage: corvelo-cli [--dir FOLDER] " << usage << "\n";
    return kUsage;
}

void PrintLines(Context& ctx, const LineList& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        out += '\n';
    }
    ctx.out << out;
}

constexpr const char* kLowStockUsage = "lowstock";

int LowStock(Context& ctx) {
    if (!ctx.args.empty()) return UsageOf(ctx, kLowStockUsage);
    const ItemListResult result = LowStockList(Warehouse(ctx));
    if (!result.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    PrintLines(ctx, result.lines);
    for (std::size_t card : result.skipped) {
        ctx.err << "lowstock: card " << card
                << " not listed: its stock or warning level is not a number\n";
    }
    return kDone;
}

constexpr const char* kUnloadUsage = "unload CARD QUANTITY";

int Unload(Context& ctx) {
    const auto& a = ctx.args;
    if (a.size() != 2) return UsageOf(ctx, kUnloadUsage);
    const std::string card_text = Trim(a[0]);
    if (card_text.empty() || card_text.size() > 9 || !IsAllDigits(card_text) ||
        std::stoul(card_text) == 0) {
        ctx.err << "unload: CARD must be a card number from 1\n";
        return kUsage;
    }
    const std::size_t card = std::stoul(card_text);
    // QUANTITY as the quantity box would hold it once left: at most six
    // digits and commas.
    const std::string& typed = a[1];
    if (typed.empty() || typed.size() > kImportQuantityMaxChars ||
        typed.find_first_not_of("0123456789,") != std::string::npos || !TextToNumber(typed)) {
        ctx.err << "unload: QUANTITY is not a number\n";
        return kUsage;
    }
    const std::string quantity = LeaveQuantityBox(typed);

    const std::filesystem::path path = Warehouse(ctx);
    const CardRead<TArticolo> read = ReadCard<TArticolo>(path, card);
    if (read.lookup == CardLookup::kFileError) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    if (read.lookup == CardLookup::kNoSuchCard) {
        ctx.err << "unload: " << kMagazzinoFileName << " has no card " << card << "\n";
        return kUsage;
    }
    const std::string tag = ImportTag(1);
    const ImportOutcome out =
        ImportItem(path, {tag, true, ChosenItemOf(read.value, card), quantity, true});
    using Res = ImportOutcome::Result;
    switch (out.result) {
        case Res::kImported:
            ctx.out << out.fill->descrizione << "\t" << out.fill->prezzo << "\n";
            return kDone;
        case Res::kAboveStock:
        case Res::kTooLong:
            ctx.out << out.notice.text << "\n";
            return kWrong;
        case Res::kNotANumber:
            ctx.err << "unload: the stock of card " << card << " is not a number\n";
            return kWrong;
        case Res::kFileError:
            ctx.err << kMsgAccessoArchivio << "\n";
            return kFileError;
        case Res::kNotSelected:
        case Res::kUnknownTag:
            break;
    }
    return kUsage;
}

static CliCommand lowstock("lowstock", kLowStockUsage, LowStock);
static CliCommand unload("unload", kUnloadUsage, Unload);

}  // namespace

int SearchItemsCommand(Context& ctx) {
    constexpr const char* kUsageText =
        "search items [--import] [--Codice T] [--Tipologia T] [--Marca T] [--Modello T] "
        "[--Descrizione T] [--Accessori T] [--Fornitore T] [--Documento T] [--Collocazione T] "
        "[--Note T]";
    const auto& a = ctx.args;  // a[0] is "items"
    ItemSearchTexts boxes;
    ItemLineKind kind = ItemLineKind::kCard;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "--import") {
            kind = ItemLineKind::kImport;
            continue;
        }
        if (i + 1 >= a.size() || !a[i].starts_with("--")) return UsageOf(ctx, kUsageText);
        const std::string name = a[i].substr(2);
        bool known = false;
        for (std::size_t b = 0; b < kItemSearchBoxes.size(); ++b) {
            if (TArticolo::kFields[kItemSearchBoxes[b].field].name == name) {
                boxes[b] = a[i + 1];
                known = true;
            }
        }
        if (!known) return UsageOf(ctx, kUsageText);
        ++i;
    }
    const ItemListResult result = SearchItems(Warehouse(ctx), boxes, kind);
    if (!result.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    PrintLines(ctx, result.lines);
    ctx.out << ItemCountLine(result.lines.size()) << "\n";
    return kDone;
}

int ExportWarehouseCommand(Context& ctx) {
    const auto& a = ctx.args;  // a[0] is "warehouse"
    std::filesystem::path out = ctx.dir / std::string(kWarehouseExportFileName);
    if (a.size() == 3 && a[1] == "--out") {
        out = a[2];
    } else if (a.size() != 1) {
        return UsageOf(ctx, "export warehouse [--out FILE]");
    }
    const WarehouseExportGrid g = FillWarehouseExportGrid(Warehouse(ctx));
    if (!g.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    if (!WriteWarehouseExport(out, g.grid)) {
        ctx.err << kMsgEsportaFallita << "\n";
        return kFileError;
    }
    return kDone;
}

}  // namespace corvelo::cli

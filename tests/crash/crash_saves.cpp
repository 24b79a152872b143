#include "crash/crash_saves.h"

#include <vector>

#include "core/app/password.h"
#include "core/app/routines.h"
#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/customers/customer_export.h"
#include "core/documents/receipt_export.h"
#include "core/receipts/receipt_calculation.h"
#include "core/receipts/receipt_numbering.h"
#include "core/report/bmp_writer.h"
#include "core/report/pdf_writer.h"
#include "core/report/templates.h"
#include "core/storage/file_replace.h"
#include "core/storage/record_table.h"
#include "core/storage/text.h"
#include "core/warehouse/warehouse_export.h"

namespace corvelo::crash {
namespace {

// splitmix64: small, fast and the same everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }
    template <class T, std::size_t N>
    const T& Pick(const std::array<T, N>& items) {
        return items[Below(N)];
    }

  private:
    std::uint64_t state_;
};

// Letters outside ASCII on purpose: every text goes through Windows-1252.
constexpr std::array<std::string_view, 8> kNames = {
    "Società Nicolò", "Perché Srl",  "Bianchi & Figli", "Rossi \"il Vecchio\"",
    "Caffè Più",      "Ferri <Sud>", "Zoë Müller",      "L'Òrto di Città"};
constexpr std::array<std::string_view, 6> kWords = {"taglio",   "piega €",  "revisione",
                                                    "ricambio", "consegna", "prova è"};

std::string Amount(Random& r) {
    return std::to_string(1 + r.Below(400)) + "," + std::to_string(10 + r.Below(90));
}

std::string Words(Random& r, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        if (!out.empty()) out += ' ';
        out += r.Pick(kWords);
    }
    return out;
}

TextGrid Grid(Random& r, std::size_t columns) {
    TextGrid grid(columns);
    grid.Clear();
    const std::size_t rows = 3 + r.Below(30);
    for (std::size_t row = 0; row < rows; ++row) {
        grid.AddCell(std::to_string(row + 1));
        for (std::size_t c = 1; c < columns; ++c) {
            grid.AddCell(c % 3 == 0 ? std::string(r.Pick(kNames)) : Words(r, 1 + r.Below(3)));
        }
    }
    return grid;
}

report::ReportDocument Pdf(Random& r) {
    std::vector<std::string> lines;
    const std::size_t count = 5 + r.Below(80);
    for (std::size_t i = 0; i < count; ++i) {
        lines.push_back(std::to_string(i + 1) + "  " + std::string(r.Pick(kNames)) + "  " +
                        Amount(r));
    }
    return report::BuildListReport("Elenco " + std::string(r.Pick(kNames)), lines, "15/03/2024");
}

report::Picture Logo(Random& r) {
    report::Picture p;
    p.width = 8 + static_cast<int>(r.Below(120));
    p.height = 8 + static_cast<int>(r.Below(60));
    p.rgb.resize(static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 3);
    const auto base = static_cast<std::uint8_t>(r.Next());
    for (std::size_t i = 0; i < p.rgb.size(); ++i) p.rgb[i] = static_cast<std::uint8_t>(base + i);
    return p;
}

SettingValues Settings(Random& r) {
    static constexpr std::array<std::string_view, 5> kKeys = {
        settings::kIssuerNameKey, settings::kIssuerAddressKey, settings::kIssuerTownKey,
        settings::kIssuerFree1Key, settings::kStampDutyKey};
    SettingValues values;
    const std::size_t count = 1 + r.Below(3);
    for (std::size_t i = 0; i < count; ++i) {
        values.emplace_back(std::string(r.Pick(kKeys)), std::string(r.Pick(kNames)));
    }
    return values;
}

std::string ScrambledPassword(std::string_view text) {
    return Trim(ScramblePassword(PasswordText(text)));
}

}  // namespace

std::string FileName(Kind kind) {
    switch (kind) {
        case Kind::kReceipt:
            return ReceiptArchiveFileName("2024");
        case Kind::kCustomer:
            return std::string(kClientiFileName);
        case Kind::kItem:
            return std::string(kMagazzinoFileName);
        case Kind::kSettings:
            return std::string(settings::kSettingsFileName);
        case Kind::kPassword:
            return std::string(settings::kPasswordFileName);
        case Kind::kReceiptExport:
            return std::string(kReceiptExportFileName);
        case Kind::kCustomerExport:
            return std::string(kCustomerExportFileName);
        case Kind::kItemExport:
            return std::string(kWarehouseExportFileName);
        case Kind::kPdf:
            return "Ricevuta.pdf";
        case Kind::kLogo:
            return "Logo.bmp";
    }
    return {};
}

std::size_t RecordSize(Kind kind) {
    switch (kind) {
        case Kind::kReceipt:
            return TRicevuta::kSize;
        case Kind::kCustomer:
            return TCliente::kSize;
        default:
            return TArticolo::kSize;
    }
}

Save PlanSave(std::uint64_t seed, std::size_t step, const Counts& counts, bool settling) {
    Random r(seed * 0x100000001B3ull + step);
    Save save;
    save.salt = r.Next();
    if (settling) {
        save.kind = static_cast<Kind>(step % kKindCount);
    } else {
        // Mostly cards; each whole file now and then.
        const std::size_t roll = r.Below(100);
        save.kind = roll < 60
                        ? static_cast<Kind>(roll / 20)
                        : static_cast<Kind>(kArchiveCount + (roll - 60) * kWholeFileCount / 40);
    }
    if (IsArchive(save.kind)) {
        const std::size_t count = counts[static_cast<std::size_t>(save.kind)];
        // Half new cards while the archives are small, few once they are not.
        const bool fresh = count == 0 || r.Below(100) < (count < 24 ? 50u : 10u);
        save.card = fresh ? 0 : 1 + r.Below(count);
    }
    return save;
}

ReceiptTexts ReceiptTextsFor(const Save& save, const std::optional<TRicevuta>& shown,
                             std::string_view numero, std::string_view data) {
    Random r(save.salt);
    ReceiptTexts t;
    if (shown) {
        t = TextsFromReceipt(*shown, false);
    } else {
        t = ClearedReceipt(t);
        t[TRicevuta::Ditta] = "Corvelo di Prova";
        t[TRicevuta::Tassa] = "2,00";
        t[TRicevuta::NumRic] = std::string(numero);
        t[TRicevuta::Data] = std::string(data);
    }
    t[TRicevuta::Cliente] = std::string(r.Pick(kNames));
    t[TRicevuta::Note] = Words(r, r.Below(6));
    // Every line typed anew: a card a kill left half new may hold a cut
    // amount no calculation takes.
    for (int n = 1; n <= TRicevuta::kLines; ++n) t.Desc(n) = t.Prezzo(n) = "";
    const int lines = 1 + static_cast<int>(r.Below(8));
    for (int n = 1; n <= lines; ++n) {
        t.Desc(n) = Words(r, 1 + r.Below(4));
        t.Prezzo(n) = Amount(r);
    }
    t.saldata = r.Below(2) == 0;
    return t;
}

CustomerTexts CustomerTextsFor(const Save& save, const std::optional<TCliente>& shown) {
    Random r(save.salt);
    CustomerTexts t = shown ? TextsFromCustomer(*shown) : BlankCustomerCard(kToday);
    t[TCliente::Cognome] = std::string(r.Pick(kNames));
    t[TCliente::Nome] = std::string(r.Pick(kNames));
    t[TCliente::Note] = Words(r, r.Below(20));
    t[TCliente::Familiari] = Words(r, r.Below(30));
    t[TCliente::Preavviso] = std::to_string(r.Below(999));
    return t;
}

ItemTexts ItemTextsFor(const Save& save, const std::optional<TArticolo>& shown) {
    Random r(save.salt);
    ItemTexts t = shown ? TextsFromItem(*shown) : ClearedItem();
    if (!shown) t[TArticolo::Codice] = "ART-" + std::to_string(save.salt % 100000);
    t[TArticolo::Descrizione] = Words(r, 1 + r.Below(30));
    t[TArticolo::Marca] = std::string(r.Pick(kNames));
    t[TArticolo::Prezzo] = Amount(r);
    t[TArticolo::PercIva] = r.Below(2) == 0 ? "22" : "10";
    t[TArticolo::Costo] = Amount(r);
    t[TArticolo::Giacenza] = std::to_string(r.Below(500));
    return t;
}

std::string ReceiptRecord(const ReceiptTexts& texts) {
    ReceiptTexts t = texts;
    PutAmounts(CalculateReceipt(AmountsOf(t)).texts, t);
    return EncodeRecord(ReceiptFromTexts(t));
}

std::string CustomerRecord(const CustomerTexts& texts) {
    return EncodeRecord(CustomerFromTexts(texts));
}

std::string ItemRecord(const ItemTexts& texts) {
    // The save's own steps, on texts that already are in their normal form.
    const ItemTexts priced = CalculatePriceWithVat(texts).texts;
    return EncodeRecord(ItemFromTexts(CalculateStockValue(priced).texts));
}

std::string NewPassword(const Save& save) {
    return "Pw" + std::to_string(save.salt % 1000000);
}

std::string WholeFileBytes(const Save& save, std::string_view old) {
    Random r(save.salt);
    switch (save.kind) {
        case Kind::kSettings:
            return WriteSettingsToBytes(old, settings::kIssuerSection, Settings(r));
        case Kind::kPassword:
            return WriteSettingsToBytes(
                old, settings::kPasswordSection,
                {{std::string(settings::kPasswordKey), ScrambledPassword(NewPassword(save))}});
        case Kind::kReceiptExport:
            return ReceiptExportBytes(Grid(r, 18));
        case Kind::kCustomerExport:
            return CustomerExportBytes(Grid(r, 26));
        case Kind::kItemExport:
            return WarehouseExportBytes(Grid(r, 24));
        case Kind::kPdf:
            return report::RenderPdf(Pdf(r));
        case Kind::kLogo:
            return report::EncodeBmp(Logo(r));
        default:
            return {};
    }
}

bool WriteWholeFile(const std::filesystem::path& dir, const Save& save) {
    Random r(save.salt);
    const std::filesystem::path file = dir / FileName(save.kind);
    switch (save.kind) {
        case Kind::kSettings:
            return !WriteSettings(file, settings::kIssuerSection, Settings(r)).has_value();
        case Kind::kPassword: {
            const std::optional<std::string> stored =
                ReadSettingStrict(file, settings::kPasswordSection, settings::kPasswordKey);
            const std::optional<std::string> old =
                stored ? UnscramblePassword(*stored) : std::nullopt;
            if (!old) return false;
            const std::string next = NewPassword(save);
            return ChangePassword(file, *old, next, next).outcome == PasswordChangeOutcome::Changed;
        }
        case Kind::kReceiptExport:
            return WriteReceiptExport(file, Grid(r, 18));
        case Kind::kCustomerExport:
            return WriteCustomerExport(file, Grid(r, 26));
        case Kind::kItemExport:
            return WriteWarehouseExport(file, Grid(r, 24));
        case Kind::kPdf:
            return report::WritePdf(Pdf(r), file).ok;
        case Kind::kLogo: {
            // The logo screen's write: the picture as a BMP, replaced whole.
            const std::string bmp = report::EncodeBmp(Logo(r));
            return !bmp.empty() && ReplaceFile(file, bmp).ok();
        }
        default:
            return false;
    }
}

}  // namespace corvelo::crash

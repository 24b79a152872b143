// pdf receipt YEAR CARD | pdf item CARD | pdf customer CARD [--out FILE]: the
// printed sheet of a stored record written as a PDF file.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "core/receipts/archive_year.h"
#include "core/report/bmp.h"
#include "core/report/pdf_writer.h"
#include "core/report/record_sheets.h"
#include "core/report/templates.h"
#include "core/storage/articolo.h"
#include "core/storage/cliente.h"
#include "core/storage/messages.h"
#include "core/storage/record_scan.h"
#include "core/storage/ricevuta.h"
#include "core/storage/text.h"

namespace corvelo::cli {
namespace {

constexpr const char* kUsageText =
    "pdf receipt YEAR CARD [--out FILE] | pdf item CARD [--out FILE] | pdf customer CARD "
    "[--out FILE]";

std::optional<std::size_t> CardNumber(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty() || t.size() > 9 || t.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const std::size_t n = std::stoul(t);
    if (n == 0) return std::nullopt;
    return n;
}

report::Picture LogoFrom(const std::filesystem::path& dir) {
    std::ifstream in(dir / "Logo.bmp", std::ios::binary);
    if (in) {
        std::ostringstream bytes;
        bytes << in.rdbuf();
        if (auto picture = report::DecodeBmp(bytes.str())) return *picture;
    }
    return report::DefaultLogo();
}

std::string Now(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, format, &local);
    return buffer;
}

std::string CardFooterNow() {
    return report::CardFooter(Now("%d/%m/%Y"), Now("%H:%M:%S"));
}

int Run(Context& ctx) {
    std::vector<std::string> a = ctx.args;
    std::optional<std::filesystem::path> out;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--out") {
            if (i + 1 >= a.size() || out) {
                ctx.err << "usage: corvelo-cli [--dir FOLDER] " << kUsageText << "\n";
                return kUsage;
            }
            out = a[i + 1];
            a.erase(a.begin() + static_cast<std::ptrdiff_t>(i),
                    a.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            break;
        }
    }

    std::filesystem::path archive;
    std::string defaultName;
    std::optional<std::size_t> card;
    if (a.size() == 3 && a[0] == "receipt") {
        const std::string year = Trim(a[1]);
        if (!IsFourDigitYear(year)) {
            ctx.err << "pdf receipt: YEAR must be four digits\n";
            return kUsage;
        }
        archive = ctx.dir / ReceiptArchiveFileName(year);
        defaultName = "Ricevuta.pdf";
        card = CardNumber(a[2]);
    } else if (a.size() == 2 && (a[0] == "item" || a[0] == "customer")) {
        const bool item = a[0] == "item";
        archive = ctx.dir / std::string(item ? kMagazzinoFileName : kClientiFileName);
        defaultName = item ? "Articolo.pdf" : "Cliente.pdf";
        card = CardNumber(a[1]);
    } else {
        ctx.err << "usage: corvelo-cli [--dir FOLDER] " << kUsageText << "\n";
        return kUsage;
    }
    if (!card) {
        ctx.err << "pdf: CARD must be a card number from 1\n";
        return kUsage;
    }

    report::ReportDocument doc;
    CardLookup outcome;
    if (a[0] == "receipt") {
        const CardRead<TRicevuta> r = ReadCard<TRicevuta>(archive, *card);
        outcome = r.lookup;
        if (r.ok())
            doc = report::BuildReceiptSheet(report::ReceiptTextsOf(r.value), LogoFrom(ctx.dir));
    } else if (a[0] == "item") {
        const CardRead<TArticolo> r = ReadCard<TArticolo>(archive, *card);
        outcome = r.lookup;
        if (r.ok()) doc = report::BuildItemCard(report::ItemCardTextsOf(r.value), CardFooterNow());
    } else {
        const CardRead<TCliente> r = ReadCard<TCliente>(archive, *card);
        outcome = r.lookup;
        if (r.ok()) {
            doc = report::BuildCustomerCard(report::CustomerCardTextsOf(r.value), CardFooterNow());
        }
    }
    if (outcome == CardLookup::kFileError) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    if (outcome == CardLookup::kNoSuchCard) {
        ctx.err << "pdf: " << archive.filename().string() << " has no card " << *card << "\n";
        return kUsage;
    }
    const std::filesystem::path target = out ? *out : ctx.dir / defaultName;
    if (const report::WriteResult written = report::WritePdf(doc, target); !written) {
        ctx.err << "pdf: cannot write " << target.string() << " (" << written.detail << ")\n";
        return kFileError;
    }
    return kDone;
}

static CliCommand reg("pdf", kUsageText, Run);

}  // namespace
}  // namespace corvelo::cli

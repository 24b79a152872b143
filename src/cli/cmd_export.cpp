// export receipts YEAR [--out FILE]: the spreadsheet file as the export
// screen writes it after filling its grid.
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "core/documents/receipt_export.h"
#include "core/receipts/archive_year.h"
#include "core/storage/messages.h"
#include "core/storage/ricevuta.h"
#include "core/warehouse/spreadsheet_export.h"

namespace corvelo::cli {
namespace {

constexpr const char* kUsageText =
    "export receipts YEAR [--out FILE] | export customers [--out FILE] | export warehouse "
    "[--out FILE]";

int Usage(Context& ctx) {
    ctx.err << "usage: corvelo-cli [--dir FOLDER] " << kUsageText << "\n";
    return kUsage;
}

int Run(Context& ctx) {
    const auto& a = ctx.args;
    if (!a.empty() && a[0] == "warehouse") return ExportWarehouseCommand(ctx);
    if (!a.empty() && a[0] == "customers") {
        ctx.err << "export " << a[0] << ": not available yet\n";
        return kUsage;
    }
    if (a.size() < 2 || a[0] != "receipts") return Usage(ctx);
    const std::string& year = a[1];
    if (!IsFourDigitYear(year)) return Usage(ctx);
    std::filesystem::path out = ctx.dir / std::string(kReceiptExportFileName);
    if (a.size() == 4 && a[2] == "--out") {
        out = a[3];
    } else if (a.size() != 2) {
        return Usage(ctx);
    }
    // Written as the archive is read: the rows are never all in memory.
    const ReceiptExportWrite w =
        WriteReceiptExportFromArchive(ctx.dir / ReceiptArchiveFileName(year), out);
    if (!w.archive.ok()) {
        // The screen would export what it read; a script is better told.
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    if (!w.file.ok()) {
        ctx.err << kMsgEsportaFallita << "\n";
        return kFileError;
    }
    return kDone;
}

static CliCommand reg("export", kUsageText, Run);

}  // namespace
}  // namespace corvelo::cli

// search receipts YEAR [--NumRic T] ... [--Note T]: the receipt search with
// those boxes filled as typed; the result lines in list order, then the
// count line.
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "cli/line_output.h"
#include "core/documents/receipt_search.h"
#include "core/receipts/archive_year.h"
#include "core/storage/messages.h"
#include "core/storage/ricevuta.h"

namespace corvelo::cli {
namespace {

constexpr const char* kUsageText =
    "search receipts YEAR [--NumRic T] [--Data T] [--Cliente T] [--CittaCliente T] "
    "[--IvaCliente T] [--CodFiscCliente T] [--Pagamento T] [--Banca T] [--Riferimenti T] "
    "[--Note T]";

int Usage(Context& ctx) {
    ctx.err << "usage: corvelo-cli [--dir FOLDER] " << kUsageText << "\n";
    return kUsage;
}

int Run(Context& ctx) {
    const auto& a = ctx.args;
    if (!a.empty() && a[0] == "items") return SearchItemsCommand(ctx);
    if (a.size() < 2 || a[0] != "receipts") {
        if (!a.empty() && a[0] == "customers") {
            ctx.err << "search " << a[0] << ": not available yet\n";
            return kUsage;
        }
        return Usage(ctx);
    }
    const std::string& year = a[1];
    if (!IsFourDigitYear(year)) return Usage(ctx);
    ReceiptSearchTexts boxes;
    for (std::size_t i = 2; i < a.size(); i += 2) {
        if (i + 1 >= a.size() || a[i].rfind("--", 0) != 0) return Usage(ctx);
        const std::string name = a[i].substr(2);
        bool known = false;
        for (std::size_t b = 0; b < kReceiptSearchBoxes.size(); ++b) {
            if (TRicevuta::kFields[kReceiptSearchBoxes[b].field].name == name) {
                boxes[b] = a[i + 1];
                known = true;
            }
        }
        if (!known) return Usage(ctx);
    }
    const ReceiptListResult result = SearchReceipts(ctx.dir / ReceiptArchiveFileName(year), boxes);
    if (!result.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    LineOutput out(ctx.out);
    for (std::size_t i = 0; i < result.lines.size(); ++i) out.Line(result.lines[i]);
    out.Line(SearchCountLine(result.lines.size()));
    return kDone;
}

static CliCommand reg("search", kUsageText, Run);

}  // namespace
}  // namespace corvelo::cli

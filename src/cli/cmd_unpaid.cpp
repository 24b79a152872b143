// unpaid YEAR: the lines of the receipts not paid, in file order.
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

int Run(Context& ctx) {
    const auto& a = ctx.args;
    if (a.size() != 1 || !IsFourDigitYear(a[0])) {
        ctx.err << "usage: corvelo-cli [--dir FOLDER] unpaid YEAR\n";
        return kUsage;
    }
    const ReceiptListResult result = UnpaidReceipts(ctx.dir / ReceiptArchiveFileName(a[0]));
    LineOutput out(ctx.out);
    for (std::size_t i = 0; i < result.lines.size(); ++i) out.Line(result.lines[i]);
    out.Flush();  // the lines gathered come out before the error
    if (!result.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    return kDone;
}

static CliCommand reg("unpaid", "unpaid YEAR", Run);

}  // namespace
}  // namespace corvelo::cli

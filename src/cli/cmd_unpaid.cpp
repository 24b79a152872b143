// unpaid YEAR: the lines of the receipts not paid, in file order.
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "core/documents/receipt_search.h"
#include "core/storage/messages.h"
#include "core/storage/ricevuta.h"

namespace corvelo::cli {
namespace {

int Run(Context& ctx) {
    const auto& a = ctx.args;
    if (a.size() != 1 || a[0].size() != 4 ||
        a[0].find_first_not_of("0123456789") != std::string::npos) {
        ctx.err << "usage: corvelo-cli [--dir FOLDER] unpaid YEAR\n";
        return kUsage;
    }
    const ReceiptListResult result = UnpaidReceipts(ctx.dir / ReceiptArchiveFileName(a[0]));
    std::string out;
    for (std::size_t i = 0; i < result.lines.size(); ++i) {
        out += result.lines[i];
        out += '\n';
    }
    ctx.out << out;
    ctx.out.flush();
    if (!result.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    return kDone;
}

static CliCommand reg("unpaid", "unpaid YEAR", Run);

}  // namespace
}  // namespace corvelo::cli

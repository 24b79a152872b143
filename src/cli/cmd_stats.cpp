// stats YEAR: the twelve monthly takings as the chart shows them.
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "core/documents/receipt_statistics.h"
#include "core/receipts/archive_year.h"
#include "core/storage/ricevuta.h"

namespace corvelo::cli {
namespace {

int Run(Context& ctx) {
    const auto& a = ctx.args;
    if (a.size() != 1) {
        ctx.err << "usage: corvelo-cli [--dir FOLDER] stats YEAR\n";
        return kUsage;
    }
    if (auto warning = CheckStatisticsYear(a[0])) {
        ctx.err << warning->text << "\n";
        return kUsage;
    }
    if (!IsFourDigitYear(a[0])) {
        ctx.err << "stats: YEAR must be four digits\n";
        return kUsage;
    }
    const StatisticsResult st = BuildStatistics(ctx.dir / ReceiptArchiveFileName(a[0]), a[0]);
    if (!st.ok()) {
        ctx.err << st.notice.text << "\n";
        return st.status.ok() ? kWrong : kFileError;
    }
    std::string out;
    for (std::size_t m = 0; m < 12; ++m) {
        out += std::string(kStatisticsMonths[m].label) + "\t" + st.labels[m] + "\n";
    }
    ctx.out << out;
    return kDone;
}

static CliCommand reg("stats", "stats YEAR", Run);

}  // namespace
}  // namespace corvelo::cli

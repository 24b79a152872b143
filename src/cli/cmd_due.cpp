// due [--today DD/MM/YYYY]: the instalments due or overdue, as their list
// shows them; cards whose due date or notice days cannot be read are named
// on standard error.
#include <chrono>
#include <ctime>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "core/app/routines.h"
#include "core/customers/customer_lists.h"
#include "core/storage/cliente.h"
#include "core/storage/messages.h"

namespace corvelo::cli {
namespace {

constexpr const char* kUsageText = "due [--today DD/MM/YYYY]";

std::chrono::year_month_day ClockToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day(std::chrono::year(local.tm_year + 1900),
                                       std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                       std::chrono::day(static_cast<unsigned>(local.tm_mday)));
}

int Run(Context& ctx) {
    const auto& a = ctx.args;
    std::chrono::year_month_day today = ClockToday();
    if (a.size() == 2 && a[0] == "--today") {
        const auto date = TextToDate(a[1]);
        if (!date) {
            ctx.err << "due: --today needs an existing date DD/MM/YYYY\n";
            return kUsage;
        }
        today = *date;
    } else if (!a.empty()) {
        ctx.err << "usage: corvelo-cli [--dir FOLDER] " << kUsageText << "\n";
        return kUsage;
    }
    const DueList list = BuildDueList(ctx.dir / std::string(kClientiFileName), today);
    if (!list.status.ok()) {
        ctx.err << kMsgAccessoArchivio << "\n";
        return kFileError;
    }
    std::string out;
    for (std::size_t i = 0; i < list.lines.size(); ++i) {
        out += list.lines[i];
        out += '\n';
    }
    ctx.out << out;
    ctx.out.flush();
    for (const SkippedCard& card : list.skipped) {
        ctx.err << "not listed, due date or notice days unreadable: " << SkippedCardName(card)
                << "\n";
    }
    return kDone;
}

static CliCommand reg("due", kUsageText, Run);

}  // namespace
}  // namespace corvelo::cli

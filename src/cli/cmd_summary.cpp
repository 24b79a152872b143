// summary YEAR --month M | --quarter Q | --annual [--pdf FILE]: the periodic
// summary of a year archive as the list report prints it, or that report as
// a PDF file.
#include <chrono>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "cli/line_output.h"
#include "core/documents/receipt_summary.h"
#include "core/receipts/archive_year.h"
#include "core/receipts/receipt_numbering.h"
#include "core/report/pdf_writer.h"
#include "core/report/templates.h"
#include "core/storage/messages.h"
#include "core/storage/ricevuta.h"

namespace corvelo::cli {
namespace {

constexpr const char* kUsageText = "summary YEAR --month M | --quarter Q | --annual [--pdf FILE]";

// A whole number from `low` to `high`, or 0.
int Choice(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int n = std::stoi(text);
    return (n >= low && n <= high) ? n : 0;
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateText(std::chrono::year_month_day(std::chrono::year(local.tm_year + 1900),
                                                std::chrono::month(local.tm_mon + 1),
                                                std::chrono::day(local.tm_mday)));
}

int Run(Context& ctx) {
    const auto& a = ctx.args;
    SummaryRequest request;
    std::filesystem::path pdf;
    bool period = false;
    bool ok = !a.empty() && IsFourDigitYear(a[0]);
    for (std::size_t i = 1; ok && i < a.size(); ++i) {
        if (a[i] == "--annual" && !period) {
            request.kind = SummaryKind::kAnnual;
            period = true;
        } else if (a[i] == "--month" && !period && i + 1 < a.size()) {
            const int m = Choice(a[++i], 1, 12);
            ok = m != 0;
            if (ok) request = {SummaryKind::kMonthly, std::string(kSummaryMonthChoices[m - 1]), {}};
            period = true;
        } else if (a[i] == "--quarter" && !period && i + 1 < a.size()) {
            const int q = Choice(a[++i], 1, 4);
            ok = q != 0;
            if (ok) {
                request = {SummaryKind::kQuarterly, std::string(kSummaryQuarterChoices[q - 1]), {}};
            }
            period = true;
        } else if (a[i] == "--pdf" && pdf.empty() && i + 1 < a.size()) {
            pdf = a[++i];
        } else {
            ok = false;
        }
    }
    if (!ok || !period) {
        ctx.err << "usage: corvelo-cli [--dir FOLDER] " << kUsageText << "\n";
        return kUsage;
    }
    request.year = a[0];

    const SummaryResult s = BuildSummary(ctx.dir / ReceiptArchiveFileName(a[0]), request);
    if (!s.ok()) {
        ctx.err << s.notice.text << "\n";
        return s.status.ok() ? kWrong : kFileError;
    }
    const std::string title = SummaryReportTitle(s);
    if (!pdf.empty()) {
        const report::WriteResult written =
            report::WritePdf(report::BuildListReport(title, SummaryReportBody(s), Today()), pdf);
        if (!written) {
            ctx.err << "summary: cannot write " << pdf.string() << ": " << written.detail << "\n";
            return kFileError;
        }
        return kDone;
    }
    LineOutput out(ctx.out);
    out.Line(title);
    for (std::size_t i = 0; i < s.lines.size(); ++i) out.Line(s.lines[i]);
    for (const std::string& line : SummaryReportFooter(s)) out.Line(line);
    return kDone;
}

static CliCommand reg("summary", kUsageText, Run);

}  // namespace
}  // namespace corvelo::cli

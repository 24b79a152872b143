// The monthly, quarterly and annual summaries of a year archive: the
// receipts of the period as list lines and four totals.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/line_list.h"
#include "core/receipts/notice.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

enum class SummaryKind { kMonthly, kQuarterly, kAnnual };

// The choices of the selection box: "GENNAIO" .. "DICEMBRE", and
// "GENNAIO, FEBBRAIO, MARZO" .. "OTTOBRE, NOVEMBRE, DICEMBRE".
extern const std::array<std::string_view, 12> kSummaryMonthChoices;
extern const std::array<std::string_view, 4> kSummaryQuarterChoices;

// "gennaio" .. "dicembre" for "01" .. "12"; "" for anything else.
std::string_view MonthName(std::string_view two_digits);
// "gennaio, febbraio, marzo" .. for "01" .. "12"; "" for anything else.
std::string_view QuarterText(std::string_view two_digits);

struct SummaryRequest {
    SummaryKind kind = SummaryKind::kAnnual;
    std::string choice;  // the chosen item (monthly, quarterly); unused for annual
    std::string year;    // lblAnno
};

// The four totals in screen order.
enum SummaryTotal { kTotCorrispettivi, kTotAcconti, kTotBollo, kTotSaldato };
struct SummaryCaption {
    std::string_view label;    // lblTotImponibile ...
    std::string_view caption;  // "TOTALE CORRISPETTIVI:" ...
    std::string_view printed;  // "TOT. CORRISPETTIVI:     " (24 characters)
};
extern const std::array<SummaryCaption, 4> kSummaryCaptions;

struct SummaryResult {
    LineList lines;
    std::string title;                  // titTipologia
    std::array<std::string, 4> totals;  // "€ 12,75", in SummaryTotal order
    std::string info;                   // panInfo
    // Empty when the summary is complete. Otherwise an error box: an amount
    // that is not a number (naming the receipt) or an archive that cannot be
    // read; the lines and totals are then incomplete and not to be shown.
    Notice notice;
    Status status;
    bool ok() const { return notice.empty(); }
};

// Builds the summary of the archive at `path` (created empty when missing).
// A record belongs to the period when Data, trimmed and followed by ten
// blanks, has in characters 4-5 the month (or a month of the quarter) and in
// 7-10 the year, each trimmed; an empty amount counts as 0.
SummaryResult BuildSummary(const std::filesystem::path& path, const SummaryRequest& request,
                           FileSystem& fs = DefaultFileSystem());

// The error for an amount that is not a number.
std::string SummaryAmountError(std::string_view numero, std::string_view amount);

// What the list report prints: its title and its body lines (entries, 26
// hyphens, the four printed totals).
std::string SummaryReportTitle(const SummaryResult& summary);
std::vector<std::string> SummaryReportBody(const SummaryResult& summary);

}  // namespace corvelo

// The statistics of a year: the takings of each month (the totals of the
// lines of its receipts) rounded to whole euros, as twelve chart points.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/receipts/notice.h"
#include "core/report/chart.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

struct StatisticsMonth {
    std::string_view label;   // "Gennaio"
    std::string_view memory;  // hidden label "memGennaio"
    std::uint32_t rgb;        // 0xFF0000
};
extern const std::array<StatisticsMonth, 12> kStatisticsMonths;

inline constexpr std::string_view kStatisticsChartTitle = "Statistiche incassi annuali";
inline constexpr std::string_view kStatisticsChartFooter =
    "Tutti gli importi sono arrotondati all'euro";
inline constexpr std::string_view kStatisticsLegendTitle = "Incassi:";
inline constexpr std::string_view kMsgAnnoQuattroCifre =
    "Attenzione: indicare l'anno solare utilizzando quattro cifre.";

// The warning for a year text that is not exactly four characters long
// (nullopt: the year may be opened).
std::optional<Notice> CheckStatisticsYear(std::string_view year_text);

// "Rappresentazione grafica delle ricevute emesse nell'anno 2024."
std::string StatisticsTitle(std::string_view year_text);

struct StatisticsResult {
    std::array<std::string, 12> labels;  // month labels: "1235", "0"
    std::array<double, 12> values{};     // the same as numbers
    // Empty when complete; otherwise an error box (an amount that is not a
    // number, naming the receipt; an unreadable archive) and nothing to show.
    Notice notice;
    Status status;
    bool ok() const { return notice.empty(); }
};

// "Apri" over the archive at `path` (created empty when missing): receipts
// whose Data has a month "01".."12" in characters 4-5 and `year_text`
// (trimmed) in 7-10 add TotCorrispettivi to their month; an empty amount
// counts as 0. Each sum is then rounded half up to whole euros.
StatisticsResult BuildStatistics(const std::filesystem::path& path, std::string_view year_text,
                                 FileSystem& fs = DefaultFileSystem());

// The chart of a year that was built: the statistics frame drawn as `kind`,
// with one point per month in order, its label, colour and value.
report::Chart StatisticsChart(const StatisticsResult& result, report::ChartKind kind);

// The number of copies typed in the box of "Stampa grafico": empty or not
// all digits means 1; more than 999 is taken as 999; 0 means nothing to
// print.
int CopiesFromText(std::string_view typed);

}  // namespace corvelo

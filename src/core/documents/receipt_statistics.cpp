#include "core/documents/receipt_statistics.h"

#include <algorithm>

#include "core/app/routines.h"
#include "core/storage/archive_scan.h"
#include "core/documents/receipt_dates.h"
#include "core/storage/cp1252.h"
#include "core/storage/messages.h"
#include "core/storage/ricevuta.h"
#include "core/storage/text.h"

namespace corvelo {

const std::array<StatisticsMonth, 12> kStatisticsMonths = {{
    {"Gennaio", "memGennaio", 0xFF0000},
    {"Febbraio", "memFebbraio", 0x0000FF},
    {"Marzo", "memMarzo", 0xFFE4C4},
    {"Aprile", "memAprile", 0xFF00FF},
    {"Maggio", "memMaggio", 0xC0DCC0},
    {"Giugno", "memGiugno", 0xFFFF00},
    {"Luglio", "memLuglio", 0x00FF00},
    {"Agosto", "memAgosto", 0xC0C0C0},
    {"Settembre", "memSettembre", 0xF0FBFF},
    {"Ottobre", "memOttobre", 0x87CEEB},
    {"Novembre", "memNovembre", 0x800000},
    {"Dicembre", "memDicembre", 0x008000},
}};

std::optional<Notice> CheckStatisticsYear(std::string_view year_text) {
    if (CodePointCount(year_text) == 4) return std::nullopt;
    return Notice{NoticeKind::kWarning, std::string(kMsgAnnoQuattroCifre)};
}

std::string StatisticsTitle(std::string_view year_text) {
    return "Rappresentazione grafica delle ricevute emesse nell'anno " + Trim(year_text) + ".";
}

StatisticsResult BuildStatistics(const std::filesystem::path& path, std::string_view year_text,
                                 FileSystem& fs) {
    StatisticsResult out;
    const std::string year = Trim(year_text);
    std::array<double, 12> sums{};
    std::array<bool, 12> added{};
    std::string data;
    std::string amount;
    std::optional<Notice> bad;
    const auto& f = TRicevuta::kFields;
    out.status = ArchiveReader::Scan(
        path, TRicevuta::kSize,
        [&](const char* record, std::size_t) {
            data.clear();
            AppendCp1252(RawField(record, f[TRicevuta::Data]), data);
            const DatePieces date = DatePiecesOf(data);
            if (date.year != year || date.month.size() != 2) return true;
            int month = 0;
            for (int m = 1; m <= 12; ++m) {
                if (date.month[0] == '0' + m / 10 && date.month[1] == '0' + m % 10) month = m;
            }
            if (month == 0) return true;
            amount.clear();
            AppendCp1252(RawField(record, f[TRicevuta::TotCorrispettivi]), amount);
            if (amount.empty()) return true;  // an empty amount counts as 0
            const std::optional<double> v = AmountNumber(amount);
            if (!v) {
                std::string numero;
                AppendCp1252(RawField(record, f[TRicevuta::NumRic]), numero);
                bad = Notice{NoticeKind::kError, AmountErrorMessage(numero, amount)};
                return false;
            }
            sums[month - 1] += *v;
            added[month - 1] = true;
            return true;
        },
        fs);
    if (!out.status.ok()) {
        out.notice = {NoticeKind::kError, std::string(kMsgAccessoArchivio)};
        return out;
    }
    if (bad) {
        out.notice = std::move(*bad);
        return out;
    }
    for (int m = 0; m < 12; ++m) {
        // The month label holds the running sum as text, then its rounding.
        const std::string label = added[m] ? NumberToText(sums[m]) : "0";
        out.values[m] = RoundDecimals(TextToNumber(label).value_or(0), 0);
        out.labels[m] = NumberToText(out.values[m]);
    }
    return out;
}

report::Chart StatisticsChart(const StatisticsResult& result, report::ChartKind kind) {
    report::Chart chart = report::StatisticsChartFrame(kind);
    for (std::size_t i = 0; i < kStatisticsMonths.size(); ++i) {
        const StatisticsMonth& m = kStatisticsMonths[i];
        chart.points.push_back(
            {std::string(m.label),
             result.values[i],
             {std::uint8_t(m.rgb >> 16), std::uint8_t(m.rgb >> 8), std::uint8_t(m.rgb)}});
    }
    return chart;
}

int CopiesFromText(std::string_view typed) {
    const std::string_view t = TrimView(typed);
    if (t.empty() || !IsAllDigits(t)) return 1;
    // A slip of the finger must not keep the printer busy for days.
    if (t.size() > 6) return 999;
    int n = 0;
    for (const char c : t) n = n * 10 + (c - '0');
    return std::min(n, 999);
}

}  // namespace corvelo

#include "core/documents/receipt_summary.h"

#include <optional>

#include "core/app/routines.h"
#include "core/app/archive_scan.h"
#include "core/documents/receipt_dates.h"
#include "core/documents/receipt_list_line.h"
#include "core/storage/messages.h"
#include "core/storage/ricevuta.h"
#include "core/storage/text.h"

namespace corvelo {

const std::array<std::string_view, 12> kSummaryMonthChoices = {
    "GENNAIO", "FEBBRAIO", "MARZO",     "APRILE",  "MAGGIO",   "GIUGNO",
    "LUGLIO",  "AGOSTO",   "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE"};
const std::array<std::string_view, 4> kSummaryQuarterChoices = {
    "GENNAIO, FEBBRAIO, MARZO", "APRILE, MAGGIO, GIUGNO", "LUGLIO, AGOSTO, SETTEMBRE",
    "OTTOBRE, NOVEMBRE, DICEMBRE"};

const std::array<SummaryCaption, 4> kSummaryCaptions = {{
    {"lblTotImponibile", "TOTALE CORRISPETTIVI:", "TOT. CORRISPETTIVI:     "},
    {"lblTotImposta", "Totale acconti:", "Tot. acconti:           "},
    {"lblTotEsente", "Totale imposta di bollo:", "Tot. imposta di bollo:  "},
    {"lblTotale", "Totale saldato:", "Totale saldato:         "},
}};

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
    "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
constexpr std::array<std::string_view, 4> kQuarterTexts = {
    "gennaio, febbraio, marzo", "aprile, maggio, giugno", "luglio, agosto, settembre",
    "ottobre, novembre, dicembre"};

int MonthNumber(std::string_view two_digits) {
    if (two_digits.size() != 2 || two_digits[0] < '0' || two_digits[0] > '1' ||
        two_digits[1] < '0' || two_digits[1] > '9') {
        return 0;
    }
    const int m = (two_digits[0] - '0') * 10 + (two_digits[1] - '0');
    return (m >= 1 && m <= 12) ? m : 0;
}

constexpr TRicevuta::Field kSummed[4] = {TRicevuta::TotCorrispettivi, TRicevuta::Acconti,
                                         TRicevuta::Tassa, TRicevuta::Totale};

}  // namespace

std::string_view MonthName(std::string_view two_digits) {
    const int m = MonthNumber(two_digits);
    return m ? kMonthNames[m - 1] : std::string_view();
}

std::string_view QuarterText(std::string_view two_digits) {
    const int m = MonthNumber(two_digits);
    return m ? kQuarterTexts[(m - 1) / 3] : std::string_view();
}

std::string SummaryAmountError(std::string_view numero, std::string_view amount) {
    return AmountErrorMessage(numero, amount);
}

SummaryResult BuildSummary(const std::filesystem::path& path, const SummaryRequest& request,
                           FileSystem& fs) {
    SummaryResult out;
    const std::string year = Trim(request.year);
    const std::string choice = AsciiLower(request.choice);
    std::string dated_title;
    switch (request.kind) {
        case SummaryKind::kMonthly:
            out.title = "Ricevute emesse nel mese.";
            dated_title = "Ricevute emesse nel mese di " + choice + " " + year;
            break;
        case SummaryKind::kQuarterly:
            out.title = "Ricevute emesse nel trimestre.";
            dated_title = "Ricevute emesse nel trimestre di " + choice + " " + year;
            break;
        case SummaryKind::kAnnual:
            out.title = "Ricevute emesse nell'anno solare.";
            dated_title = "Ricevute emesse nell'anno " + year;
            break;
    }

    if (request.kind == SummaryKind::kAnnual) {
        const std::size_t n = RecordCountHint(path, TRicevuta::kSize);
        out.lines.Reserve(n, n * 176);
    }
    std::array<double, 4> sums{};
    std::string data;
    std::string amount;
    std::optional<std::string> bad_numero;
    std::string bad_amount;
    const auto& f = TRicevuta::kFields;
    out.status = ArchiveReader::Scan(
        path, TRicevuta::kSize,
        [&](const char* record, std::size_t) {
            data.clear();
            AppendCp1252(RawField(record, f[TRicevuta::Data]), data);
            if (data.empty()) return true;
            out.title = dated_title;
            const DatePieces date = DatePiecesOf(data);
            if (date.year != year) return true;
            if (request.kind == SummaryKind::kMonthly && MonthName(date.month) != choice) {
                return true;
            }
            if (request.kind == SummaryKind::kQuarterly && QuarterText(date.month) != choice) {
                return true;
            }
            std::array<double, 4> values{};
            for (int i = 0; i < 4; ++i) {
                amount.clear();
                AppendCp1252(RawField(record, f[kSummed[i]]), amount);
                if (amount.empty()) continue;  // an empty amount counts as 0
                const std::optional<double> v = AmountNumber(amount);
                if (!v) {
                    bad_numero = std::string();
                    AppendCp1252(RawField(record, f[TRicevuta::NumRic]), *bad_numero);
                    bad_amount = amount;
                    return false;
                }
                values[i] = *v;
            }
            AppendReceiptListLine(record, out.lines.OpenLine());
            out.lines.CloseLine();
            for (int i = 0; i < 4; ++i) sums[i] += values[i];
            return true;
        },
        fs);
    if (!out.status.ok()) {
        out.notice = {NoticeKind::kError, std::string(kMsgAccessoArchivio)};
        return out;
    }
    if (bad_numero) {
        out.notice = {NoticeKind::kError, SummaryAmountError(*bad_numero, bad_amount)};
        return out;
    }
    for (int i = 0; i < 4; ++i) {
        // The running total as its label holds it, then normalised as money.
        const std::string label = out.lines.empty() ? "0,00" : NumberToText(sums[i]);
        out.totals[i] =
            "\xE2\x82\xAC " +
            CompleteAmountText(NumberToText(RoundDecimals(TextToNumber(label).value_or(0), 4)));
    }
    out.info = "Il presente riepilogo contiene " + std::to_string(out.lines.size()) + " ricevute.";
    return out;
}

std::string SummaryReportTitle(const SummaryResult& summary) {
    return "Tipologia riepilogo: " + Trim(summary.title);
}

std::vector<std::string> SummaryReportBody(const SummaryResult& summary) {
    std::vector<std::string> body = summary.lines.ToVector();
    body.emplace_back(26, '-');
    for (int i = 0; i < 4; ++i) {
        body.push_back(std::string(kSummaryCaptions[i].printed) + Trim(summary.totals[i]));
    }
    return body;
}

}  // namespace corvelo

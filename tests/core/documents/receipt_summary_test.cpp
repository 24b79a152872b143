#include "core/documents/receipt_summary.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/app/routines.h"
#include "core/documents/receipt_archive.h"
#include "core/documents/receipt_dates.h"
#include "core/documents/receipt_statistics.h"
#include "core/storage/fault_file_system.h"
#include "core/storage/messages.h"

namespace corvelo {
namespace {

using namespace testing;

const std::string kEuro = "\xE2\x82\xAC ";

std::vector<TRicevuta> YearArchive() {
    return {
        MakeReceipt({"1", "01/03/2024", "A", "0,10", "0,10"}),
        MakeReceipt({"2", "15/03/2024", "B", "0,10", "0,10"}),
        MakeReceipt({"3", "5/3/2024", "C", "50,00", "50,00"}),    // in no period
        MakeReceipt({"4", "10/03/2023", "D", "70,00", "70,00"}),  // another year
        MakeReceipt({"5", "31/03/2024", "E", "0,10", "0,10"}),
        MakeReceipt({"6", "", "F", "9,00", "9,00"}),  // undated
        MakeReceipt({"7", "02/04/2024", "G", "100,00", "80,00", "22,00", ""}),
    };
}

struct SummaryCase {
    const char* name;
    SummaryKind kind;
    std::string choice;
    std::string title;
    std::vector<std::string> numbers;
    std::array<std::string, 4> totals;
};

class SummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryTest, ListsThePeriodAndTotalsIt) {
    const SummaryCase& c = GetParam();
    TempFolder dir;
    WriteArchive(dir / "2024.ric", YearArchive());
    const SummaryResult s = BuildSummary(dir / "2024.ric", {c.kind, c.choice, " 2024 "});
    ASSERT_TRUE(s.ok()) << s.notice.text;
    EXPECT_EQ(s.title, c.title);
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < s.lines.size(); ++i) numbers.emplace_back(s.lines[i].substr(8, 1));
    EXPECT_EQ(numbers, c.numbers);
    for (auto& t : const_cast<std::array<std::string, 4>&>(c.totals)) t = kEuro + t;
    EXPECT_EQ(s.totals, c.totals);
    EXPECT_EQ(s.info,
              "Il presente riepilogo contiene " + std::to_string(c.numbers.size()) + " ricevute.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SummaryTest,
    ::testing::Values(SummaryCase{"March",
                                  SummaryKind::kMonthly,
                                  "MARZO",
                                  "Ricevute emesse nel mese di marzo 2024",
                                  {"1", "2", "5"},
                                  {"0,30", "0,00", "0,00", "0,30"}},
                      SummaryCase{"April",
                                  SummaryKind::kMonthly,
                                  "APRILE",
                                  "Ricevute emesse nel mese di aprile 2024",
                                  {"7"},
                                  {"100,00", "22,00", "0,00", "80,00"}},
                      SummaryCase{"FirstQuarter",
                                  SummaryKind::kQuarterly,
                                  "GENNAIO, FEBBRAIO, MARZO",
                                  "Ricevute emesse nel trimestre di gennaio, febbraio, marzo 2024",
                                  {"1", "2", "5"},
                                  {"0,30", "0,00", "0,00", "0,30"}},
                      SummaryCase{"Year",
                                  SummaryKind::kAnnual,
                                  "",
                                  "Ricevute emesse nell'anno 2024",
                                  {"1", "2", "5", "7"},
                                  {"100,30", "22,00", "0,00", "80,30"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SummaryEdges, EmptyArchiveGivesZeroTotalsAndTheUndatedTitle) {
    TempFolder dir;
    for (auto [kind, title] :
         {std::pair{SummaryKind::kMonthly, "Ricevute emesse nel mese."},
          std::pair{SummaryKind::kQuarterly, "Ricevute emesse nel trimestre."},
          std::pair{SummaryKind::kAnnual, "Ricevute emesse nell'anno solare."}}) {
        const SummaryResult s = BuildSummary(dir / "2024.ric", {kind, "GENNAIO", "2024"});
        ASSERT_TRUE(s.ok());
        EXPECT_EQ(s.title, title);
        EXPECT_TRUE(s.lines.empty());
        EXPECT_EQ(s.totals[kTotSaldato], kEuro + "0,00");
        EXPECT_EQ(s.info, "Il presente riepilogo contiene 0 ricevute.");
        EXPECT_EQ(SummaryReportBody(s),
                  (std::vector<std::string>{"--------------------------",
                                            "TOT. CORRISPETTIVI:     " + kEuro + "0,00",
                                            "Tot. acconti:           " + kEuro + "0,00",
                                            "Tot. imposta di bollo:  " + kEuro + "0,00",
                                            "Totale saldato:         " + kEuro + "0,00"}));
    }
}

TEST(SummaryEdges, ListLineShowsTheTotalOfTheLinesAndTheReportCarriesTheTitle) {
    TempFolder dir;
    WriteArchive(dir / "2024.ric", {MakeReceipt({"9", "01/06/2024", "R", "10,5", "8,00"}),
                                    MakeReceipt({"8", "02/06/2024", "S", "2,25", "2,25"})});
    const SummaryResult s = BuildSummary(dir / "2024.ric", {SummaryKind::kAnnual, "", "2024"});
    ASSERT_TRUE(s.ok());
    EXPECT_TRUE(s.lines[0].ends_with("Totale: " + kEuro + "10,5"));
    EXPECT_EQ(s.totals[kTotCorrispettivi], kEuro + "12,75");
    EXPECT_EQ(s.totals[kTotSaldato], kEuro + "10,25");
    EXPECT_EQ(SummaryReportTitle(s), "Tipologia riepilogo: Ricevute emesse nell'anno 2024");
    EXPECT_EQ(SummaryReportBody(s).size(), 2u + 5u);
}

TEST(SummaryEdges, AmountThatIsNotANumberStopsWithAnErrorNamingTheReceipt) {
    TempFolder dir;
    WriteArchive(dir / "2024.ric", {MakeReceipt({"1", "01/06/2024", "R", "1,00", "1,00"}),
                                    MakeReceipt({"12/2024", "02/06/2024", "S", "1,00", "1.000"})});
    const SummaryResult s = BuildSummary(dir / "2024.ric", {SummaryKind::kAnnual, "", "2024"});
    EXPECT_EQ(s.notice.kind, NoticeKind::kError);
    EXPECT_NE(s.notice.text.find("ricevuta n. 12/2024"), std::string::npos) << s.notice.text;
    EXPECT_NE(s.notice.text.find("1.000"), std::string::npos);

    const StatisticsResult st = BuildStatistics(dir / "2024.ric", "2024");
    EXPECT_TRUE(st.ok());  // the statistics read only the total of the lines
}

TEST(SummaryEdges, UnreadableArchiveIsAnErrorNotAPartialSummary) {
    TempFolder dir;
    WriteArchive(dir / "2024.ric", YearArchive());
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kRead);
    const SummaryResult s = BuildSummary(dir / "2024.ric", {SummaryKind::kAnnual, "", "2024"}, fs);
    EXPECT_EQ(s.notice, (Notice{NoticeKind::kError, std::string(kMsgAccessoArchivio)}));
}

TEST(StatisticsTest, MonthsRoundedToWholeEurosFromTheTotalOfTheLinesOnly) {
    TempFolder dir;
    WriteArchive(dir / "2024.ric",
                 {MakeReceipt({"1", "10/03/2024", "A", "10,40"}),
                  MakeReceipt({"2", "11/03/2024", "A", "20,20"}),
                  MakeReceipt({"3", "01/01/2024", "A", "0,49"}),
                  MakeReceipt({"4", "01/02/2024", "A", "0,50"}),
                  MakeReceipt({"5", "31/12/2023", "A", "70,00"}),
                  MakeReceipt({"6", "5/3/2024", "A", "70,00"}),
                  MakeReceipt({"7", "01/04/2024", "A", "100,00", "70,00", "30,00"}),
                  MakeReceipt({"8", "01/05/2024", "A", ""})});
    const StatisticsResult st = BuildStatistics(dir / "2024.ric", "2024");
    ASSERT_TRUE(st.ok()) << st.notice.text;
    EXPECT_EQ(st.labels, (std::array<std::string, 12>{"0", "1", "31", "100", "0", "0", "0", "0",
                                                      "0", "0", "0", "0"}));
    EXPECT_EQ(st.values[2], 31.0);
}

TEST(StatisticsTest, YearCheckTitleAndBadAmount) {
    EXPECT_EQ(CheckStatisticsYear("24"),
              (Notice{NoticeKind::kWarning, std::string(kMsgAnnoQuattroCifre)}));
    EXPECT_EQ(CheckStatisticsYear("2024"), std::nullopt);
    EXPECT_EQ(StatisticsTitle("2024"),
              "Rappresentazione grafica delle ricevute emesse nell'anno 2024.");
    TempFolder dir;
    WriteArchive(dir / "2024.ric", {MakeReceipt({"33", "10/03/2024", "A", "abc"})});
    const StatisticsResult st = BuildStatistics(dir / "2024.ric", "2024");
    EXPECT_EQ(st.notice.kind, NoticeKind::kError);
    EXPECT_NE(st.notice.text.find("ricevuta n. 33"), std::string::npos);
    EXPECT_EQ(kStatisticsMonths[2].label, "Marzo");
    EXPECT_EQ(kStatisticsMonths[2].rgb, 0xFFE4C4u);
}

TEST(StatisticsTest, ChartHasTheTwelveMonthsInOrderWithTheirColoursAndValues) {
    StatisticsResult st;
    st.values[2] = 31;
    st.values[11] = -4;
    const report::Chart chart = StatisticsChart(st, report::ChartKind::Pie);
    EXPECT_EQ(chart.kind, report::ChartKind::Pie);
    EXPECT_EQ(chart.title.text, kStatisticsChartTitle);
    ASSERT_EQ(chart.points.size(), 12u);
    EXPECT_EQ(chart.points[0].label, "Gennaio");
    EXPECT_EQ(chart.points[2].value, 31);
    EXPECT_EQ(chart.points[2].colour, (report::Rgb{0xFF, 0xE4, 0xC4}));
    EXPECT_EQ(chart.points[11].label, "Dicembre");
    EXPECT_EQ(chart.points[11].value, -4);
    EXPECT_EQ(chart.points[11].colour, (report::Rgb{0x00, 0x80, 0x00}));
}

TEST(StatisticsTest, CopiesBlankOrNotDigitsMeanOneAndHugeNumbersAreCapped) {
    const struct {
        std::string_view typed;
        int copies;
    } cases[] = {{"", 1},      {"   ", 1},    {"1,5", 1},
                 {"-2", 1},    {" 04 ", 4},   {"0", 0},
                 {"999", 999}, {"1000", 999}, {"99999999999999999999999", 999}};
    for (const auto& c : cases) EXPECT_EQ(CopiesFromText(c.typed), c.copies) << c.typed;
}

}  // namespace
}  // namespace corvelo

namespace corvelo {
namespace {

// The quick amount reading must give the very same double as the full one.
TEST(AmountNumberTest, SameValueAsTextToNumber) {
    for (const char* text : {"0,00",
                             "0,10",
                             "10,40",
                             "20,20",
                             "-3,00",
                             "1,005",
                             "0,125",
                             "99999999,99",
                             "123456789012345",
                             "1234567890123456",
                             "12,",
                             ",5",
                             "1,2,3",
                             "abc",
                             "",
                             "-",
                             "+5",
                             "1E3",
                             " 7 ",
                             "0,0001",
                             "-0,00"}) {
        const std::optional<double> quick = AmountNumber(text);
        const std::optional<double> full = TextToNumber(text);
        ASSERT_EQ(quick.has_value(), full.has_value()) << text;
        if (quick) {
            EXPECT_EQ(std::memcmp(&*quick, &*full, sizeof(double)), 0) << text;
        }
    }
}

}  // namespace
}  // namespace corvelo

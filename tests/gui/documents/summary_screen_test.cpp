#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "analysis_fixture.h"
#include "core/app/list_find.h"
#include "core/documents/receipt_summary.h"
#include "gui/documents/RiepAnnuale.h"
#include "gui/documents/RiepMensile.h"
#include "gui/documents/RiepTrimestrale.h"
#include "gui/kit/list_screen.h"

namespace corvelo {
namespace {

using test::Find;
using test::Q;
using testing::MakeReceipt;

std::vector<TRicevuta> YearArchive() {
    return {
        MakeReceipt({"1", "10/04/2024", "Aprile", "10,5", "8,00", "1,00", "2,00"}),
        MakeReceipt({"2", "5/4/2024", "Data corta", "99,00", "99,00"}),
        MakeReceipt({"3", "20/04/2023", "Altro anno", "50,00", "50,00"}),
        MakeReceipt({"4", "30/04/2024", "Aprile bis", "2,25", "2,25"}),
        MakeReceipt({"5", "02/07/2024", "Luglio", "0,10", "0,10"}),
        MakeReceipt({"6", "", "Senza data", "7,00", "7,00"}),
    };
}

std::unique_ptr<SummaryScreen> Make(SummaryKind kind, Services& services, QWidget& editor) {
    switch (kind) {
        case SummaryKind::kMonthly:
            return std::make_unique<TfrmRiepMensile>(services, editor);
        case SummaryKind::kQuarterly:
            return std::make_unique<TfrmRiepTrimestrale>(services, editor);
        case SummaryKind::kAnnual:
            break;
    }
    return std::make_unique<TfrmRiepAnnuale>(services, editor);
}

struct SummaryCase {
    SummaryKind kind;
    int choice;
    const char* title;
    std::vector<std::string> numbers;
    const char* totals[4];
};

class SummaryScreenKinds : public test::AnalysisScreenTest,
                           public ::testing::WithParamInterface<SummaryCase> {};

TEST_P(SummaryScreenKinds, ShowsThePeriodWithItsTotalsOnTheResultPanel) {
    const SummaryCase& c = GetParam();
    Write(YearArchive());
    auto screen = Make(c.kind, services, *editor);
    test::ShowActive(screen.get());
    if (c.kind != SummaryKind::kAnnual) {
        EXPECT_TRUE(Find<QWidget>(screen.get(), "panSelezione")->isVisible());
        EXPECT_FALSE(Find<QWidget>(screen.get(), "panContainer")->isVisible());
        SetFormText(*screen, "lblAnno", QStringLiteral("2024"));
        Find<QComboBox>(screen.get(), "cboSelezione")->setCurrentIndex(c.choice);
        Find<QPushButton>(screen.get(), "btnVisualizza")->click();
        EXPECT_FALSE(Find<QWidget>(screen.get(), "panSelezione")->isVisible());
    }
    EXPECT_TRUE(Find<QWidget>(screen.get(), "panContainer")->isVisible());
    EXPECT_EQ(Find<QLabel>(screen.get(), "titTipologia")->text(), QString::fromUtf8(c.title));
    QStringList numbers;
    for (const std::string& line : screen->Results().Lines())
        numbers << Q(line).mid(8, 12).trimmed();
    QStringList expected;
    for (const std::string& n : c.numbers) expected << QString::fromStdString(n);
    EXPECT_EQ(numbers, expected);
    const char* labels[] = {"lblTotImponibile", "lblTotImposta", "lblTotEsente", "lblTotale"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Find<QLabel>(screen.get(), labels[i])->text(), QString::fromUtf8(c.totals[i]))
            << labels[i];
    EXPECT_EQ(Find<QLabel>(screen.get(), "panInfo")->text(),
              QStringLiteral("Il presente riepilogo contiene %1 ricevute.").arg(expected.size()));
    EXPECT_TRUE(Find<QLineEdit>(screen.get(), "txtTrova")->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SummaryScreenKinds,
    ::testing::Values(SummaryCase{SummaryKind::kMonthly,
                                  3,
                                  "Ricevute emesse nel mese di aprile 2024",
                                  {"1", "4"},
                                  {"\xE2\x82\xAC 12,75", "\xE2\x82\xAC 1,00", "\xE2\x82\xAC 2,00",
                                   "\xE2\x82\xAC 10,25"}},
                      SummaryCase{SummaryKind::kQuarterly,
                                  2,
                                  "Ricevute emesse nel trimestre di luglio, agosto, settembre 2024",
                                  {"5"},
                                  {"\xE2\x82\xAC 0,10", "\xE2\x82\xAC 0,00", "\xE2\x82\xAC 0,00",
                                   "\xE2\x82\xAC 0,10"}},
                      SummaryCase{SummaryKind::kAnnual,
                                  0,
                                  "Ricevute emesse nell'anno 2024",
                                  {"1", "4", "5"},
                                  {"\xE2\x82\xAC 12,85", "\xE2\x82\xAC 1,00", "\xE2\x82\xAC 2,00",
                                   "\xE2\x82\xAC 10,35"}}));

class SummaryScreenTest : public test::AnalysisScreenTest {};

TEST_F(SummaryScreenTest, EmptyArchiveAnnualSummaryPrintsTitleSeparatorAndTotals) {
    TfrmRiepAnnuale screen(services, *editor);
    test::ShowActive(&screen);
    EXPECT_EQ(Find<QLabel>(&screen, "titTipologia")->text(), "Ricevute emesse nell'anno solare.");
    EXPECT_EQ(Find<QLabel>(&screen, "panInfo")->text(),
              "Il presente riepilogo contiene 0 ricevute.");

    const ListReportContent report = screen.Results().ReportContent();
    EXPECT_EQ(report.title, "Tipologia riepilogo: Ricevute emesse nell'anno solare.");
    EXPECT_EQ(report.lines, (std::vector<std::string>{
                                std::string(26, '-'),
                                "TOT. CORRISPETTIVI:     \xE2\x82\xAC 0,00",
                                "Tot. acconti:           \xE2\x82\xAC 0,00",
                                "Tot. imposta di bollo:  \xE2\x82\xAC 0,00",
                                "Totale saldato:         \xE2\x82\xAC 0,00",
                            }));
    Find<QPushButton>(&screen, "btnStampa")->click();
    EXPECT_EQ(services.printDialogs, 1);
    EXPECT_EQ(services.printJobs.size(), 1u);

    // The summaries tell an empty list with an information box.
    Find<QPushButton>(&screen, "btnTrova")->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Information, Q(kFindEmptyListMessage)}));
}

TEST_F(SummaryScreenTest, PrintedBodyIsTheListThenTheTotals) {
    Write(YearArchive());
    TfrmRiepAnnuale screen(services, *editor);
    const ListReportContent report = screen.Results().ReportContent();
    ASSERT_EQ(report.lines.size(), 3u + 5u);
    EXPECT_EQ(report.lines[0], screen.Results().Lines()[0]);
    EXPECT_EQ(report.lines[3], std::string(26, '-'));
    EXPECT_EQ(report.lines[7], "Totale saldato:         \xE2\x82\xAC 10,35");
}

TEST_F(SummaryScreenTest, AmountThatIsNotANumberShowsAnErrorAndKeepsTheSelectionPanel) {
    Write({MakeReceipt({"1", "10/04/2024", "A", "1,00", "1,00"}),
           MakeReceipt({"33", "11/04/2024", "B", "abc", "1,00"})});
    TfrmRiepMensile screen(services, *editor);
    test::ShowActive(&screen);
    SetFormText(screen, "lblAnno", QStringLiteral("2024"));
    Find<QComboBox>(&screen, "cboSelezione")->setCurrentIndex(3);
    Find<QPushButton>(&screen, "btnVisualizza")->click();

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(services.messages[0].text, Q(SummaryAmountError("33", "abc")));
    EXPECT_TRUE(Find<QWidget>(&screen, "panSelezione")->isVisible());
    EXPECT_FALSE(Find<QWidget>(&screen, "panContainer")->isVisible());
    EXPECT_EQ(screen.Results().Count(), 0u);
}

TEST_F(SummaryScreenTest, SelectionPanelOffersTheChoicesWithTheFirstPreselected) {
    TfrmRiepTrimestrale quarterly(services, *editor);
    auto* box = Find<QComboBox>(&quarterly, "cboSelezione");
    ASSERT_EQ(box->count(), 4);
    EXPECT_EQ(box->currentText(), "GENNAIO, FEBBRAIO, MARZO");
    EXPECT_EQ(box->itemText(3), "OTTOBRE, NOVEMBRE, DICEMBRE");
    EXPECT_EQ(quarterly.windowTitle(), " Corvelo - Riepilogo trimestrale ricevute emesse");
    EXPECT_EQ(Find<QLabel>(&quarterly, "lblApri")->text(),
              "Selezionare un trimestre dell'anno e premere Visualizza.");
}

}  // namespace
}  // namespace corvelo

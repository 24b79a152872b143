#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include "core/documents/receipt_archive.h"
#include "core/documents/receipt_statistics.h"
#include "gui/app/Avvio.h"
#include "gui/app/shell.h"
#include "gui/documents/Statistiche.h"
#include "gui/report/chart_painter.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;
using Fields = corvelo::testing::ReceiptFields;

class StatisticsTest : public test::ScreenTest {
  protected:
    StatisticsTest() { screen.show(); }

    void Archive(const QString& year, const std::vector<Fields>& receipts) {
        std::vector<TRicevuta> records;
        for (const Fields& s : receipts) records.push_back(corvelo::testing::MakeReceipt(s));
        corvelo::testing::WriteArchive(
            std::filesystem::path(services.DataPath(year + QStringLiteral(".ric")).toStdString()),
            records);
    }
    void Open(const QString& year) {
        Find<QLineEdit>(&screen, QStringLiteral("txtAnno"))->setText(year);
        Find<QPushButton>(&screen, QStringLiteral("btnApri"))->click();
    }
    QString Memory(const char* name) const {
        return Find<QLabel>(&screen, QString::fromLatin1(name))->text();
    }
    const report::Chart& Chart() const { return screen.chartView()->chart(); }
    bool ChartShown() const {
        return Find<QWidget>(&screen, QStringLiteral("panContainer"))->isVisible();
    }

    AppShell shell{services};
    TfrmStatistiche screen{services, shell};
};

TEST_F(StatisticsTest, ShowingProposesTheCurrentYearOnTheYearPanel) {
    EXPECT_EQ(screen.windowTitle(), QStringLiteral(" Corvelo - Statistiche ricevute emesse"));
    EXPECT_EQ(Find<QLineEdit>(&screen, QStringLiteral("txtAnno"))->text(), QStringLiteral("2024"));
    EXPECT_TRUE(Find<QWidget>(&screen, QStringLiteral("panAvvio"))->isVisible());
    EXPECT_FALSE(ChartShown());
}

TEST_F(StatisticsTest, YearOfOtherThanFourCharactersIsRefused) {
    auto* box = Find<QLineEdit>(&screen, QStringLiteral("txtAnno"));
    box->clear();
    test::Type(box, QStringLiteral("2a4"));  // letters never reach the box
    EXPECT_EQ(box->text(), QStringLiteral("24"));
    Find<QPushButton>(&screen, QStringLiteral("btnApri"))->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Warning,
                                  QStringLiteral("Attenzione: indicare l'anno solare "
                                                 "utilizzando quattro cifre.")}));
    EXPECT_FALSE(ChartShown());
    EXPECT_FALSE(QFile::exists(services.DataPath(QStringLiteral("24.ric"))));
}

TEST_F(StatisticsTest, MonthsSumTheLinesTotalsRoundedToWholeEuros) {
    Archive(QStringLiteral("2024"), {
                                        {.numero = "1", .data = "10/03/2024", .tot = "10,40"},
                                        {.numero = "2", .data = "11/03/2024", .tot = "20,20"},
                                        {.numero = "3", .data = "02/01/2024", .tot = "0,49"},
                                        {.numero = "4", .data = "02/02/2024", .tot = "0,50"},
                                        {.numero = "5", .data = "31/12/2023", .tot = "70,00"},
                                        {.numero = "6", .data = "5/3/2024", .tot = "80,00"},
                                        {.numero = "7",
                                         .data = "01/04/2024",
                                         .tot = "100,00",
                                         .totale = "70,00",
                                         .acconti = "30,00"},
                                        {.numero = "8", .data = "01/05/2024", .tot = ""},
                                    });
    Open(QStringLiteral("2024"));
    EXPECT_TRUE(services.messages.empty()) << services.LastMessage().toStdString();
    ASSERT_TRUE(ChartShown());
    EXPECT_EQ(Memory("memGennaio"), QStringLiteral("0"));
    EXPECT_EQ(Memory("memFebbraio"), QStringLiteral("1"));
    EXPECT_EQ(Memory("memMarzo"), QStringLiteral("31"));
    EXPECT_EQ(Memory("memAprile"), QStringLiteral("100"));
    EXPECT_EQ(Memory("memMaggio"), QStringLiteral("0"));
    EXPECT_EQ(Memory("memDicembre"), QStringLiteral("0"));
    EXPECT_EQ(Find<QLabel>(&screen, QStringLiteral("lblTitolo"))->text(),
              QStringLiteral("Rappresentazione grafica delle ricevute emesse nell'anno 2024."));
    EXPECT_EQ(Find<QLabel>(&screen, QStringLiteral("lblFile"))->text(),
              services.DataPath(QStringLiteral("2024.ric")));

    ASSERT_EQ(Chart().points.size(), 12u);
    const double expected[12] = {0, 1, 31, 100, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(Chart().points[i].value, expected[i]) << i;
        EXPECT_EQ(Chart().points[i].label, kStatisticsMonths[i].label);
    }
    EXPECT_EQ(Chart().points[2].colour, (report::Rgb{0xFF, 0xE4, 0xC4}));
    EXPECT_EQ(Chart().points[11].colour, (report::Rgb{0x00, 0x80, 0x00}));
    EXPECT_EQ(Chart().kind, report::ChartKind::Bars);
}

TEST_F(StatisticsTest, MissingArchiveIsCreatedAndGivesTwelveZeros) {
    Open(QStringLiteral("1999"));
    EXPECT_TRUE(QFile::exists(services.DataPath(QStringLiteral("1999.ric"))));
    ASSERT_TRUE(ChartShown());
    ASSERT_EQ(Chart().points.size(), 12u);
    for (const auto& p : Chart().points) EXPECT_EQ(p.value, 0);
}

TEST_F(StatisticsTest, AmountThatIsNotANumberStopsWithAnErrorNamingTheReceipt) {
    Archive(QStringLiteral("2024"), {{.numero = "1", .data = "10/03/2024", .tot = "10,40"},
                                     {.numero = "77/B", .data = "11/03/2024", .tot = "dieci"}});
    Open(QStringLiteral("2024"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("77/B")));
    EXPECT_FALSE(ChartShown());
    EXPECT_TRUE(Chart().points.empty());
}

TEST_F(StatisticsTest, KindLastChosenStaysWhenTheScreenIsShownAgain) {
    Archive(QStringLiteral("2024"), {{.numero = "1", .data = "10/03/2024", .tot = "10,40"}});
    Open(QStringLiteral("2024"));
    Find<QPushButton>(&screen, QStringLiteral("btnTorta"))->click();
    EXPECT_EQ(Chart().kind, report::ChartKind::Pie);
    EXPECT_EQ(Chart().points[2].value, 10);

    screen.hide();
    screen.show();
    EXPECT_FALSE(ChartShown());
    EXPECT_TRUE(Chart().points.empty());  // shown again: the chart starts empty
    Open(QStringLiteral("2024"));
    EXPECT_EQ(Chart().kind, report::ChartKind::Pie);
    Find<QPushButton>(&screen, QStringLiteral("btnBarre"))->click();
    EXPECT_EQ(Chart().kind, report::ChartKind::Bars);
    EXPECT_EQ(Chart().points[2].value, 10);
}

TEST_F(StatisticsTest, HelpPicturesOpenTheStatisticsPageAndExitReturnsToTheStartMenu) {
    Open(QStringLiteral("2024"));
    for (const char* picture : {"imgGuida", "cmdGuida"}) {
        QString title;
        test::OnNextModal([&](QWidget* dialog) {
            title = Find<QLabel>(dialog, QStringLiteral("lblTitolo"))->text();
            Find<QPushButton>(dialog, QStringLiteral("btnChiudi"))->click();
        });
        Find<QAbstractButton>(&screen, QString::fromLatin1(picture))->click();
        EXPECT_EQ(title, QStringLiteral("Grafici statistici incassi mensili.")) << picture;
    }
    Find<QPushButton>(&screen, QStringLiteral("btnEsci"))->click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(shell.Avvio()->isVisible());
}

TEST_F(StatisticsTest, HintsFollowTheMouseAndTheChartClearsThem) {
    Open(QStringLiteral("2024"));
    auto* panInfo = Find<QLabel>(&screen, QStringLiteral("panInfo"));
    EXPECT_EQ(panInfo->text(), QStringLiteral("Grafico statistico degli incassi annuali."));
    const std::pair<const char*, const char*> hints[] = {
        {"btnBarre",
         "Visualizza le statistiche degli incassi sotto forma di grafico a barre "
         "tridimensionali."},
        {"btnTorta",
         "Visualizza le statistiche degli incassi sotto forma di grafico a torta "
         "tridimensionale."},
        {"btnStampa", "Stampa il grafico corrente."},
        {"btnEsci", "Esci da questo ambiente di lavoro."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
    };
    for (const auto& [control, hint] : hints) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(Find(&screen, QString::fromLatin1(control)), &enter);
        EXPECT_EQ(panInfo->text(), QString::fromUtf8(hint)) << control;
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 50), QPointF(50, 50), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(screen.chartView(), &move);
    EXPECT_EQ(panInfo->text(), QString());
}

struct CopiesCase {
    std::optional<QString> typed;  // nullopt: the input box is cancelled
    int dialogs;
    int prints;
};

class StatisticsPrintTest : public StatisticsTest,
                            public ::testing::WithParamInterface<CopiesCase> {};

TEST_P(StatisticsPrintTest, PrintsOneChartPerCopy) {
    Open(QStringLiteral("2024"));
    services.inputAnswers = {GetParam().typed};
    Find<QPushButton>(&screen, QStringLiteral("btnStampa"))->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(
        services.messages[0],
        (test::ShownMessage{MessageKind::Confirmation,
                            QStringLiteral("Si vuole stampare il presente grafico statistico?")}));
    ASSERT_EQ(services.inputRequests.size(), 1u);
    EXPECT_EQ(services.inputRequests[0].title, QStringLiteral("Numero copie da stampare"));
    EXPECT_EQ(services.inputRequests[0].prompt, QStringLiteral("Copie:"));
    EXPECT_EQ(services.inputRequests[0].proposed, QStringLiteral("1"));
    EXPECT_EQ(services.printDialogs, GetParam().dialogs);
    EXPECT_EQ(int(services.printJobs.size()), GetParam().prints);
}

INSTANTIATE_TEST_SUITE_P(Copies, StatisticsPrintTest,
                         ::testing::Values(CopiesCase{QStringLiteral("1"), 1, 1},
                                           CopiesCase{QStringLiteral(" 3 "), 1, 3},
                                           CopiesCase{QString(), 1, 1},
                                           CopiesCase{QStringLiteral("2x"), 1, 1},
                                           CopiesCase{QStringLiteral("-2"), 1, 1},
                                           CopiesCase{QStringLiteral("0"), 0, 0},
                                           CopiesCase{std::nullopt, 0, 0}));

TEST_F(StatisticsTest, NoPrintsWhenTheAnswerIsNoOrTheDialogIsCancelled) {
    Open(QStringLiteral("2024"));
    services.answerNo = {true};
    screen.btnStampaClick();
    EXPECT_TRUE(services.inputRequests.empty());
    services.inputAnswers = {QStringLiteral("2")};
    services.printDialogAccepts = false;
    screen.btnStampaClick();
    EXPECT_EQ(services.printDialogs, 1);
    EXPECT_TRUE(services.printJobs.empty());
}

TEST_F(StatisticsTest, EachCopyIsALandscapePageOfTheChart) {
    Archive(QStringLiteral("2024"), {{.numero = "1", .data = "10/03/2024", .tot = "1234,60"}});
    Open(QStringLiteral("2024"));
    services.paintJobs = true;
    services.inputAnswers = {QStringLiteral("2")};
    screen.btnStampaClick();
    ASSERT_EQ(services.printJobs.size(), 2u);
    for (const char* job : {"job0.pdf", "job1.pdf"}) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {services.DataPath(QString::fromLatin1(job))});
        info.waitForFinished();
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
        EXPECT_TRUE(out.contains(QStringLiteral("842 x 595 pts"))) << out.toStdString();
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {services.DataPath(QStringLiteral("job0.pdf")), "-"});
    text.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains(QStringLiteral("1235")));
}

}  // namespace
}  // namespace corvelo

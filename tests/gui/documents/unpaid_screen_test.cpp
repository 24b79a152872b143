#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "analysis_fixture.h"
#include "core/app/list_find.h"
#include "gui/documents/Sospese.h"
#include "gui/kit/list_screen.h"

namespace corvelo {
namespace {

using test::Find;
using test::Q;
using testing::MakeReceipt;
using R = TRicevuta;

TRicevuta Flagged(std::string numero, std::string saldata, std::string totale = "5,00") {
    TRicevuta r = MakeReceipt({numero, "01/02/2024", "Cliente " + numero});
    r[R::Saldata] = saldata;
    r[R::Totale] = totale;
    return r;
}

class UnpaidScreenTest : public test::AnalysisScreenTest {};

TEST_F(UnpaidScreenTest, ListsOnlyReceiptsFlaggedNoInFileOrder) {
    Write({Flagged("1", "S\xC3\xAC"), Flagged("10", "No"), Flagged("3", ""),
           Flagged("2", "No", "0,00"), Flagged("4", "no")});
    TfrmSospese screen(services, *editor);
    test::ShowActive(&screen);
    EXPECT_EQ(screen.Results().Lines(),
              (std::vector<std::string>{ReceiptListLine(Flagged("10", "No")),
                                        ReceiptListLine(Flagged("2", "No", "0,00"))}));
    EXPECT_TRUE(Find<QLineEdit>(&screen, "txtTrova")->hasFocus());
}

TEST_F(UnpaidScreenTest, DoubleClickLoadsTheReceiptWithItsCardPositionAndCloses) {
    TRicevuta unpaid = Flagged("8", "No");
    unpaid[R::Banca] = "Banca Sella";
    Write({Flagged("1", "S\xC3\xAC"), Flagged("5", "No"), unpaid});
    TfrmSospese screen(services, *editor);
    test::ShowActive(&screen);

    DoubleClick(screen.Results().List(), 1);

    EXPECT_EQ(EditorText("txtNumRic"), "8");
    EXPECT_EQ(EditorText("txtBanca"), "Banca Sella");
    EXPECT_EQ(EditorText("lblPosizione"), "3");
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(UnpaidScreenTest, DoubleClickWithNothingSelectedLoadsNothingButCloses) {
    Write({Flagged("5", "No")});
    TfrmSospese screen(services, *editor);
    test::ShowActive(&screen);
    QWidget* area = screen.Results().List()->viewport();
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(20, area->height() - 5));
    EXPECT_EQ(EditorText("txtNumRic"), "");
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(UnpaidScreenTest, EmptyListFindIsAPlainMessageAndPrintStillPrints) {
    Write({Flagged("1", "S\xC3\xAC")});
    TfrmSospese screen(services, *editor);
    test::ShowActive(&screen);
    Find<QPushButton>(&screen, "btnTrova")->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Plain, Q(kFindEmptyListMessage)}));

    Find<QPushButton>(&screen, "btnStampa")->click();
    EXPECT_EQ(services.printJobs.size(), 1u);
}

TEST_F(UnpaidScreenTest, MissingArchiveIsCreatedAndGivesAnEmptyList) {
    TfrmSospese screen(services, *editor);
    EXPECT_EQ(screen.Results().Count(), 0u);
    EXPECT_TRUE(std::filesystem::exists(Archive()));
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace corvelo

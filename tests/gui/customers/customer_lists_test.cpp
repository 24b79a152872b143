#include "core/customers/customer_lists.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/customers/customer_export.h"
#include "core/storage/messages.h"
#include "core/warehouse/spreadsheet_export.h"
#include "customer_fixture.h"
#include "gui/customers/DaRinnovare.h"
#include "gui/customers/ExpClienti.h"
#include "gui/kit/list_screen.h"

namespace corvelo {
namespace {

using test::Customer;
using test::Find;
using C = TCliente;

class ListsTest : public test::CustomerScreenTest {
  protected:
    // A folder where Clienti.pro should be: it exists and cannot be read.
    void BreakArchive() {
        QFile::remove(services.DataPath(QStringLiteral("Clienti.pro")));
        ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("Clienti.pro")));
    }
    static QStringList Names(ListScreen& list) {
        QStringList names;
        for (const std::string& line : list.Lines()) names << Q(line).left(30).trimmed();
        return names;
    }
};

// --- Instalments due ------------------------------------------------------------

TEST_F(ListsTest, DueListShowsTheCardsDueByNameAndRecallsOneWhole) {
    // Today is 15/03/2024.
    Store({Customer("Verdi", "Luca", {{C::Scadenza, "20/03/2024"}, {C::Preavviso, "5"}}),
           Customer("Neri", "Ugo", {{C::Scadenza, "21/03/2024"}, {C::Preavviso, "5"}}),
           Customer("bianchi", "Anna",
                    {{C::Scadenza, "01/01/2024"},
                     {C::Recapito, "333 1234567"},
                     {C::Email, "anna@esempio.it"},
                     {C::File03, "c.pdf"},
                     {C::Rata, "50,00"}}),
           Customer("Rossi", "Mario", {{C::Scadenza, "15/03/2024"}})});
    OpenCard();
    TfrmDaRinnovare due(services, card);
    test::ShowActive(&due);
    EXPECT_EQ(Names(due.Results()), (QStringList{"bianchi Anna", "Rossi Mario", "Verdi Luca"}));
    EXPECT_TRUE(due.Results().FindBox()->hasFocus());
    EXPECT_EQ(due.windowTitle(), QStringLiteral(" Riepilogo rate in scadenza o scadute"));

    DoubleClick(due.Results().List(), 0);
    EXPECT_FALSE(due.isVisible());
    EXPECT_EQ(CardText("txtCognome"), QStringLiteral("bianchi"));
    EXPECT_EQ(CardText("txtEmail"), QStringLiteral("anna@esempio.it"));
    EXPECT_EQ(CardText("lblFile03"), QStringLiteral("c.pdf"));
    EXPECT_EQ(CardText("lblPosizione"), QStringLiteral("3"));
    EXPECT_EQ(due.Results().Count(), 0u) << "closing empties the list";
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ListsTest, DueListSkipsAnUnreadableCardAndNamesItOnceShown) {
    Store({Customer("Rossi", "Mario", {{C::Preavviso, "x"}}),
           Customer("Verdi", "Luca", {{C::Scadenza, "01/03/2024"}})});
    OpenCard();
    TfrmDaRinnovare due(services, card);
    test::ShowActive(&due);
    QCoreApplication::processEvents();
    EXPECT_EQ(Names(due.Results()), (QStringList{"Verdi Luca"}));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("Rossi Mario")));
}

TEST_F(ListsTest, DueListOfAnUnreadableArchiveSaysSoInAnErrorBox) {
    BreakArchive();
    OpenCard();
    TfrmDaRinnovare due(services, card);
    test::ShowActive(&due);
    QCoreApplication::processEvents();
    EXPECT_EQ(due.Results().Count(), 0u);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Error, Q(kMsgAccessoArchivio)}));
}

// --- Export -------------------------------------------------------------------------

TEST_F(ListsTest, ExportWritesTheGridAsClientiXlsAndOffersToOpenIt) {
    Store({Customer("Rossi", "Mario", {{C::Note, "uno"}}), Customer("Verdi", "Luca")});
    TfrmExpClienti exporting(services);
    test::ShowActive(&exporting);
    EXPECT_EQ(exporting.windowTitle(),
              QStringLiteral(" Esporta archivio clienti in Microsoft Excel"));
    ASSERT_EQ(exporting.Grid().RowCount(), 2u);
    EXPECT_EQ(exporting.Grid().Cell(0, 0), "1");
    EXPECT_EQ(exporting.Grid().Cell(0, 1), "Rossi Mario");
    EXPECT_EQ(exporting.Grid().Cell(0, 25), "uno");

    services.answerNo = {true};
    exporting.cmdEsportaClick();
    EXPECT_FALSE(QFileInfo::exists(exporting.FilePath()));

    services.answerNo = {false, false};
    exporting.cmdEsportaClick();
    QFile file(exporting.FilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), CustomerExportBytes(exporting.Grid()));
    EXPECT_EQ(QFileInfo(exporting.FilePath()).fileName(), QStringLiteral("Clienti.xls"));
    ASSERT_EQ(services.shellOpens.size(), 1);
    EXPECT_TRUE(services.shellOpens[0].endsWith(QStringLiteral("Clienti.xls\"")));
}

TEST_F(ListsTest, ExportOfAnUnreadableArchiveSaysSoAndNeverWritesTheEmptyGrid) {
    BreakArchive();
    TfrmExpClienti exporting(services);
    test::ShowActive(&exporting);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Plain, Q(kMsgEsportaFallita)}));
    exporting.cmdEsportaClick();
    EXPECT_FALSE(QFileInfo::exists(exporting.FilePath()));
    EXPECT_EQ(services.LastMessage(), Q(kMsgEsportaFallita));
}

}  // namespace
}  // namespace corvelo

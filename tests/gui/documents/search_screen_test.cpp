#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "analysis_fixture.h"
#include "core/documents/receipt_search.h"
#include "core/storage/messages.h"
#include "gui/documents/TrovaRicevute.h"
#include "gui/kit/list_screen.h"

namespace corvelo {
namespace {

using test::Find;
using test::Q;
using testing::MakeReceipt;
using R = TRicevuta;

TRicevuta Receipt(std::string numero, std::string cliente, std::string citta = "Milano") {
    TRicevuta r = MakeReceipt({numero, "01/02/2024", cliente});
    r[R::CittaCliente] = citta;
    return r;
}

class SearchScreenTest : public test::AnalysisScreenTest {
  protected:
    std::unique_ptr<TfrmTrovaRicevute> Open(const QString& tag = QStringLiteral("ricevute")) {
        auto screen = std::make_unique<TfrmTrovaRicevute>(services, *editor);
        SetFormText(*screen, "lblMemory", tag);
        test::ShowActive(screen.get());
        return screen;
    }
    static QStringList Numbers(TfrmTrovaRicevute& screen) {
        QStringList numbers;
        for (const std::string& line : screen.Results().Lines())
            numbers << Q(line).mid(8, 12).trimmed();
        return numbers;
    }
};

TEST_F(SearchScreenTest, ListsMatchesInTextOrderAndShowsTheResultPanel) {
    Write({Receipt("2", "Mario Rossi"), Receipt("10", "Rossini Srl", "Roma"),
           Receipt("1", "ROSS\xC3\x8C Luca"), Receipt("3", "Bianchi")});
    auto screen = Open();
    EXPECT_TRUE(Find<QLineEdit>(screen.get(), "txtNumRic")->hasFocus());

    test::Type(Find<QLineEdit>(screen.get(), "txtCliente"), QStringLiteral("rossi"));
    Find<QPushButton>(screen.get(), "btnCerca")->click();

    EXPECT_EQ(Numbers(*screen), (QStringList{"10", "2"}));
    EXPECT_EQ(Find<QLabel>(screen.get(), "lblConta")->text(), "1");
    EXPECT_EQ(Find<QLabel>(screen.get(), "lblTrovate")->text(),
              "Il presente riepilogo contiene 2 schede.");
    EXPECT_TRUE(Find<QWidget>(screen.get(), "panContainer")->isVisible());
    EXPECT_FALSE(Find<QWidget>(screen.get(), "panAvvio")->isVisible());
    EXPECT_TRUE(Find<QLineEdit>(screen.get(), "txtTrova")->hasFocus());
}

TEST_F(SearchScreenTest, NoBoxFilledListsTheWholeArchive) {
    Write({Receipt("2", "A"), Receipt("10", "B"), Receipt("1", "C")});
    auto screen = Open();
    Find<QPushButton>(screen.get(), "btnCerca")->click();
    EXPECT_EQ(Numbers(*screen), (QStringList{"1", "10", "2"}));
    EXPECT_EQ(Find<QLabel>(screen.get(), "lblConta")->text(), "0");
}

// Two records give the same line; the second of them, the last in the
// file, is the one loaded, with its place in the file.
std::vector<TRicevuta> TwinArchive() {
    TRicevuta first = Receipt("7", "Verdi");
    first[R::ViaCliente] = "Via Primo 1";
    TRicevuta twin = first;
    twin[R::ViaCliente] = "Via Secondo 2";
    twin[R::Note] = "seconda";
    twin[R::Saldata] = "No";
    twin[R::TotCorrispettivi] = first[R::TotCorrispettivi];
    return {Receipt("1", "Altro"), first, twin, Receipt("9", "Ultimo")};
}

TEST_F(SearchScreenTest, DoubleClickLoadsTheLastRecordGivingTheLineAndCloses) {
    Write(TwinArchive());
    Find<QCheckBox>(editor.get(), "chkSaldata")->setChecked(true);
    auto screen = Open();
    test::Type(Find<QLineEdit>(screen.get(), "txtCliente"), QStringLiteral("verdi"));
    Find<QPushButton>(screen.get(), "btnCerca")->click();
    ASSERT_EQ(screen->Results().Count(), 2u);

    DoubleClick(screen->Results().List(), 1);

    EXPECT_EQ(EditorText("txtViaCliente"), "Via Secondo 2");
    EXPECT_EQ(EditorText("txtNote"), "seconda");
    EXPECT_EQ(EditorText("txtNumRic"), "7");
    EXPECT_EQ(EditorText("lblPosizione"), "3");
    EXPECT_FALSE(Find<QCheckBox>(editor.get(), "chkSaldata")->isChecked());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(screen->Results().Count(), 0u);  // closing clears the list
}

TEST_F(SearchScreenTest, DoubleClickUnderAnotherTagLoadsNothingButCloses) {
    Write(TwinArchive());
    auto screen = Open(QStringLiteral("clienti"));
    Find<QPushButton>(screen.get(), "btnCerca")->click();
    DoubleClick(screen->Results().List(), 0);
    EXPECT_EQ(EditorText("txtNumRic"), "");
    EXPECT_EQ(EditorText("lblPosizione"), "");
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(SearchScreenTest, UnreadableArchiveShowsTheAccessMessageAndKeepsTheSearchPanel) {
    SetFormText(*editor, "lblFile", services.DataFolder());  // a folder, not a file
    auto screen = Open();
    Find<QPushButton>(screen.get(), "btnCerca")->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Plain);
    EXPECT_EQ(services.messages[0].text, Q(kMsgAccessoArchivio));
    EXPECT_TRUE(Find<QWidget>(screen.get(), "panAvvio")->isVisible());
    EXPECT_FALSE(Find<QWidget>(screen.get(), "lblAttendere")->isVisible());
}

TEST_F(SearchScreenTest, EnterGoesRoundTheTenBoxes) {
    auto screen = Open();
    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        QWidget* focused = QApplication::focusWidget();
        visited << focused->objectName();
        test::Press(focused, Qt::Key_Return);
    }
    EXPECT_EQ(visited, (QStringList{"txtNumRic", "txtData", "txtCliente", "txtCittaCliente",
                                    "txtIvaCliente", "txtCodFiscCliente", "txtPagamento",
                                    "txtBanca", "txtRiferimenti", "txtNote", "txtNumRic"}));
}

}  // namespace
}  // namespace corvelo

#include "core/warehouse/item_lists.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "core/storage/messages.h"
#include "gui/kit/list_screen.h"
#include "gui/warehouse/Giacenza.h"
#include "gui/warehouse/Sottoscorta.h"
#include "gui/warehouse/TrovaMagazzino.h"
#include "warehouse_fixture.h"

namespace corvelo {
namespace {

using test::Find;
using test::Item;
using test::ShownMessage;
using A = TArticolo;

class ItemListTest : public test::WarehouseScreenTest {
  protected:
    static QStringList Codes(ListScreen& list) {
        QStringList codes;
        for (const std::string& line : list.Lines()) codes << Q(line).left(30).trimmed();
        return codes;
    }
};

TEST_F(ItemListTest, LowStockListsTheCardsAtOrBelowTheirLevelAndNamesTheUnreadableOnes) {
    Store({Item({{A::Codice, "tre"}, {A::Giacenza, "3"}, {A::Sottoscorta, "3"}}),
           Item({{A::Codice, "quattro"}, {A::Giacenza, "4"}, {A::Sottoscorta, "3"}}),
           Item({{A::Codice, "rotto"}, {A::Giacenza, "x"}, {A::Sottoscorta, "3"}}),
           Item({{A::Codice, "Zero"}, {A::Giacenza, "0"}, {A::Sottoscorta, "0"}})});
    OpenCard();
    TfrmSottoscorta list(services, card, &card);
    EXPECT_EQ(list.windowTitle(), Q(kLowStockCaption));
    EXPECT_EQ(Codes(list.Results()), (QStringList{"tre", "Zero"}));
    EXPECT_TRUE(services.messages.empty()) << "said once the window shows";
    test::ShowActive(&list);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("scheda n. 3")));
    EXPECT_EQ(Focused(), QStringLiteral("txtTrova"));
    EXPECT_EQ(list.Results().ReportContent().title, kLowStockReportTitle);
}

TEST_F(ItemListTest, ADoubleClickLoadsTheWholeCardAndASaveOverwritesIt) {
    Store({Item({{A::Codice, "uno"}, {A::Giacenza, "9"}, {A::Sottoscorta, "1"}}),
           Item({{A::Codice, "due"},
                 {A::Giacenza, "1"},
                 {A::Sottoscorta, "2"},
                 {A::Onde, "2026"},
                 {A::File02, "b.pdf"},
                 {A::CartellaDesc, "cd"}})});
    OpenCard();
    {
        TfrmSottoscorta list(services, card, &card);
        test::ShowActive(&list);
        ASSERT_EQ(Codes(list.Results()), QStringList{"due"});
        DoubleClick(list.Results().List(), 0);
        EXPECT_FALSE(list.isVisible());
    }
    EXPECT_EQ(Text("txtCodice"), QStringLiteral("due"));
    EXPECT_EQ(Text("memOnde"), QStringLiteral("2026"));
    EXPECT_EQ(Text("lblFile02"), QStringLiteral("b.pdf"));
    EXPECT_EQ(Text("lblCartellaDesc"), QStringLiteral("cd"));
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("2"));
    Set("txtNote", QStringLiteral("riordinare"));
    Press("cmdSalva");
    ASSERT_EQ(Stored().size(), 2u);
    EXPECT_EQ(Stored()[1][A::Note], "riordinare");
    EXPECT_EQ(Stored()[1][A::CartellaDesc], "cd");
}

TEST_F(ItemListTest, TheSearchListsMatchesAndRecallsOnlyForTheCardEditor) {
    Store({Item({{A::Codice, "AB"}, {A::Fornitore, "FERRAMENTA"}, {A::Descrizione, "Vite"}}),
           Item({{A::Codice, "xaby"}, {A::Fornitore, "Ferro Sud"}, {A::Descrizione, "Chiodo"}}),
           Item({{A::Codice, "c"}, {A::Fornitore, "Bianchi"}})});
    OpenCard();
    for (const char* tag : {"altro", "magazzino"}) {
        card.cmdNuovoClick();
        TfrmTrovaMagazzino search(services, card, &card);
        SetFormText(search, "lblMemory", QLatin1String(tag));
        test::ShowActive(&search);
        EXPECT_EQ(Focused(), QStringLiteral("txtCodice"));
        EXPECT_EQ(search.windowTitle(), Q(kItemSearchCaption));
        test::Type(Find(&search, QStringLiteral("txtFornitore")), QStringLiteral("ferr"));
        Click(&search, QStringLiteral("btnCerca"));
        EXPECT_EQ(Codes(search.Results()), (QStringList{"AB", "xaby"})) << tag;
        EXPECT_EQ(TextOf(Find(&search, QStringLiteral("lblConta"))), QStringLiteral("1"));
        EXPECT_EQ(TextOf(Find(&search, QStringLiteral("lblTrovate"))),
                  QStringLiteral("Il presente elenco contiene 2 schede."));
        EXPECT_TRUE(Find(&search, QStringLiteral("panContainer"))->isVisible());
        EXPECT_FALSE(Find(&search, QStringLiteral("panAvvio"))->isVisible());
        EXPECT_EQ(Focused(), QStringLiteral("txtTrova"));
        DoubleClick(search.Results().List(), 1);
        EXPECT_FALSE(search.isVisible()) << tag;
        EXPECT_EQ(Text("txtCodice"), QLatin1String(std::string_view(tag) == "altro" ? "" : "xaby"));
    }
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("2"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ItemListTest, ASearchThatCannotReadTheFileStaysOnTheCriteria) {
    // A folder where the file should be: it cannot be opened as a file.
    ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("Magazzino.pro")));
    OpenCard();
    TfrmTrovaMagazzino search(services, card, &card);
    test::ShowActive(&search);
    Click(&search, QStringLiteral("btnCerca"));
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Plain, Q(kMsgAccessoArchivio)}}));
    EXPECT_TRUE(Find(&search, QStringLiteral("panAvvio"))->isVisible());
}

TEST_F(ItemListTest, TheStockWindowAppliesNothingItCannotWorkOut) {
    OpenCard();
    Set("txtGiacenza", QStringLiteral("10"));
    TfrmGiacenza stock(services, card, &card);
    stock.Prepare(kLabelSottrai);
    test::ShowActive(&stock);
    EXPECT_EQ(stock.windowTitle(), Q(kStockWindowCaption));
    EXPECT_EQ(Focused(), QStringLiteral("txtAggiunta"));
    auto* quantity = Find<QLineEdit>(&stock, QStringLiteral("txtAggiunta"));
    auto* total = Find<QLineEdit>(&stock, QStringLiteral("txtTotale"));
    EXPECT_TRUE(total->isReadOnly());
    quantity->clear();
    test::Type(quantity, QStringLiteral("4x,"));
    EXPECT_EQ(quantity->text(), QStringLiteral("4"));
    test::Press(quantity, Qt::Key_Return);
    EXPECT_EQ(Focused(), QStringLiteral("btnTotale"));
    Click(&stock, QStringLiteral("btnTotale"));
    EXPECT_EQ(total->text(), QStringLiteral("6"));

    // A stock that is not a number (pasted): the boxes are reset, the card
    // keeps its stock and the window stays open.
    Find<QLineEdit>(&stock, QStringLiteral("txtGiacenza"))->setText(QStringLiteral("1,2,3"));
    Click(&stock, QStringLiteral("btnAggiorna"));
    EXPECT_TRUE(stock.isVisible());
    EXPECT_EQ(total->text(), QStringLiteral("0"));
    EXPECT_EQ(Text("txtGiacenza"), QStringLiteral("10"));

    // An overlong stock box is emptied by the next key typed into it.
    auto* current = Find<QLineEdit>(&stock, QStringLiteral("txtGiacenza"));
    current->setText(QString(16, QLatin1Char('1')));
    test::Type(current, QStringLiteral("7"));
    EXPECT_EQ(current->text(), QStringLiteral("7"));
}

}  // namespace
}  // namespace corvelo

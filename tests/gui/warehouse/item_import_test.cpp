#include "core/warehouse/item_import.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <functional>

#include "core/warehouse/item_lists.h"
#include "gui/kit/list_screen.h"
#include "gui/receipts/Ricevute.h"
#include "gui/warehouse/ImportaMagazzino.h"
#include "warehouse_fixture.h"

namespace corvelo {
namespace {

using test::Find;
using test::Item;
using test::ShownMessage;
using A = TArticolo;

class ItemImportTest : public test::WarehouseScreenTest {
  protected:
    void SetUp() override {
        Store({Item({{A::Codice, "CH-01"},
                     {A::Descrizione, "Chiodo"},
                     {A::Prezzo, "0,10"},
                     {A::Giacenza, "100"}}),
               Item({{A::Codice, "VT-10"},
                     {A::Descrizione, "Tassello in nylon"},
                     {A::Prezzo, "12,50"},
                     {A::Prezzo_con_Iva, "15,25"},
                     {A::Costo, "1,23"},
                     {A::Valore, "6,15"},
                     {A::Giacenza, "5"}})});
        before_ = Bytes();
        receipt.OpenYear(QStringLiteral("2024"));
        test::ShowActive(&receipt);
    }

    // Presses impMag<NN> of the receipt and runs `work` on the window it
    // opens, after "Cerca" with every box empty; a window left open is
    // closed afterwards.
    void Import(int line, const std::function<void(TfrmImportaMagazzino&)>& work) {
        bool opened = false;
        test::OnNextModal([&](QWidget* modal) {
            auto* window = qobject_cast<TfrmImportaMagazzino*>(modal);
            ASSERT_NE(window, nullptr);
            opened = true;
            tag_ = TextOf(Find(window, QStringLiteral("lblMemory")));
            Click(window, QStringLiteral("btnCerca"));
            work(*window);
            stayed_ = window->isVisible();
            if (stayed_) window->reject();
        });
        Click(&receipt, QStringLiteral("impMag%1").arg(line, 2, 10, QLatin1Char('0')));
        EXPECT_TRUE(opened);
    }
    static QString Label(QWidget& window, const char* name) {
        return TextOf(Find(&window, QLatin1String(name)));
    }
    QString Receipt(const char* name) const {
        return TextOf(receipt.findChild<QWidget*>(QLatin1String(name)));
    }

    TfrmRicevute receipt{services, shell};
    QByteArray before_;
    QString tag_;
    bool stayed_ = false;
};

TEST_F(ItemImportTest, TheHighlightedItemIsImportedIntoItsLineAndItsStockLowered) {
    SetTextOf(receipt.findChild<QWidget*>(QStringLiteral("txtTotCorrispettivi")),
              QStringLiteral("99,00"));
    SetTextOf(receipt.findChild<QWidget*>(QStringLiteral("txtTotale")), QStringLiteral("99,00"));
    Import(7, [&](TfrmImportaMagazzino& window) {
        EXPECT_EQ(window.windowTitle(), Q(kItemImportCaption));
        EXPECT_EQ(Label(window, "lblTrovate"),
                  QStringLiteral("Il presente elenco contiene 2 schede."));
        // Chosen with the arrow keys, not a click: the labels follow.
        QListView* list = window.Results().List();
        list->setFocus();
        test::Press(list, Qt::Key_Down);
        test::Press(list, Qt::Key_Down);
        ASSERT_EQ(window.Results().Selected(), std::optional<std::size_t>(1));
        EXPECT_EQ(Label(window, "lblCodice"), QStringLiteral("VT-10"));
        EXPECT_EQ(Label(window, "lblDescrizione"), QStringLiteral("Tassello in nylon"));
        EXPECT_EQ(Label(window, "lblGiacenza"), QStringLiteral("5"));
        EXPECT_EQ(Label(window, "lblPosizione"), QStringLiteral("2"));
        auto* quantity = Find<QLineEdit>(&window, QStringLiteral("txtQuant"));
        quantity->clear();
        test::Type(quantity, QStringLiteral("2,5x-"));
        test::Press(quantity, Qt::Key_Return);
        EXPECT_EQ(quantity->text(), QStringLiteral("2,5"));
        EXPECT_EQ(Focused(), QStringLiteral("btnAggiorna"));
        Click(&window, QStringLiteral("btnAggiorna"));
    });
    EXPECT_EQ(tag_, QStringLiteral("ric_art_07"));
    EXPECT_FALSE(stayed_);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Receipt("txtDesc07"), QStringLiteral("Tassello in nylon"));
    EXPECT_EQ(Receipt("txtPrezzo07"), QStringLiteral("12,50"));
    EXPECT_EQ(Receipt("txtDesc06"), QString());
    EXPECT_EQ(Receipt("txtTotCorrispettivi"), QString()) << "a stale total is never printed";
    EXPECT_EQ(Receipt("txtTotale"), QString());
    const std::vector<TArticolo> stored = Stored();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1][A::Giacenza], "2,5");
    EXPECT_EQ(stored[1][A::Valore], "3,08");  // 1,23 x 2,5 = 3,075
    EXPECT_EQ(stored[0][A::Giacenza], "100");
}

TEST_F(ItemImportTest, WithoutTheStockUpdateTheFileIsNotTouched) {
    Import(1, [&](TfrmImportaMagazzino& window) {
        window.Results().Select(1);
        Find<QLineEdit>(&window, QStringLiteral("txtQuant"))->setText(QStringLiteral("99"));
        Click(&window, QStringLiteral("btnNonAggiornare"));
    });
    EXPECT_FALSE(stayed_);
    EXPECT_EQ(Receipt("txtDesc01"), QStringLiteral("Tassello in nylon"));
    EXPECT_EQ(Receipt("txtPrezzo01"), QStringLiteral("12,50"));
    EXPECT_EQ(Bytes(), before_);
}

TEST_F(ItemImportTest, NothingIsImportedWithoutALineOrAboveTheStock) {
    Import(3, [&](TfrmImportaMagazzino& window) {
        Click(&window, QStringLiteral("btnAggiorna"));
        EXPECT_TRUE(window.isVisible());
        // Found with Trova: the chosen item follows the highlight.
        window.Results().FindBox()->setText(QStringLiteral("tassello"));
        Click(&window, QStringLiteral("btnTrova"));
        EXPECT_EQ(Label(window, "lblCodice"), QStringLiteral("VT-10"));
        Find<QLineEdit>(&window, QStringLiteral("txtQuant"))->setText(QStringLiteral("6"));
        Click(&window, QStringLiteral("btnAggiorna"));
        EXPECT_TRUE(window.isVisible());
        // The whole stock may go.
        Find<QLineEdit>(&window, QStringLiteral("txtQuant"))->setText(QStringLiteral("5"));
        Click(&window, QStringLiteral("btnAggiorna"));
    });
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0], (ShownMessage{MessageKind::Warning, Q(kMsgSelezionaArticolo)}));
    EXPECT_EQ(services.messages[1], (ShownMessage{MessageKind::Warning, Q(kMsgQuantitaSuperiore)}));
    EXPECT_FALSE(stayed_);
    EXPECT_EQ(Stored()[1][A::Giacenza], "0");
    EXPECT_EQ(Stored()[1][A::Valore], "0,00");
    EXPECT_EQ(Receipt("txtPrezzo03"), QStringLiteral("12,50"));
}

}  // namespace
}  // namespace corvelo

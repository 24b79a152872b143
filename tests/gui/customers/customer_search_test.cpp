#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/customers/customer_lists.h"
#include "core/storage/messages.h"
#include "customer_fixture.h"
#include "gui/customers/TrovaClienti.h"
#include "gui/kit/list_screen.h"
#include "gui/receipts/Ricevute.h"

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

// --- Customer search --------------------------------------------------------------

class SearchTest : public ListsTest {
  protected:
    std::unique_ptr<TfrmTrovaClienti> OpenSearch(QWidget& caller, const char* tag) {
        auto search = std::make_unique<TfrmTrovaClienti>(services, caller);
        SetTextOf(Find(search.get(), QStringLiteral("lblMemory")), QLatin1String(tag));
        test::ShowActive(search.get());
        return search;
    }
    void Search(TfrmTrovaClienti& search, const char* box, const char* text) {
        if (box) test::Type(Find(&search, QLatin1String(box)), QLatin1String(text));
        Click(&search, QStringLiteral("btnCerca"));
    }
    static std::vector<TCliente> Archive3() {
        return {Customer("Rossi", "Mario",
                         {{C::Indirizzo, "Via Roma 1"},
                          {C::Cap, "20100"},
                          {C::ComuneRes, "Milano"},
                          {C::ProvRes, "MI"},
                          {C::CodFisc, "RSSMRA80A01F205X"},
                          {C::Iva, "01234567890"},
                          {C::Banca, "Banca Uno"},
                          {C::Pagamento, "Bonifico"},
                          {C::Note, "cliente storico"},
                          {C::Email, "mario@esempio.it"}}),
                Customer("Grossi", "Anna", {{C::Zona, "Nord"}}), Customer("Bianchi", "Ugo")};
    }
};

TEST_F(SearchTest, ListsTheMatchesAndLoadsTheChosenCardIntoTheCardEditor) {
    Store(Archive3());
    OpenCard();
    auto search = OpenSearch(card, "clienti");
    EXPECT_EQ(search->windowTitle(), QStringLiteral(" Trova clienti in archivio"));
    Search(*search, "txtCognome", "OSS");
    EXPECT_EQ(search->Results().Count(), 2u);
    EXPECT_EQ(Find<QLabel>(search.get(), QStringLiteral("lblTrovate"))->text(),
              QStringLiteral("Il presente riepilogo contiene 2 schede."));
    EXPECT_TRUE(Find(search.get(), QStringLiteral("panContainer"))->isVisible());

    DoubleClick(search->Results().List(), 1);  // Rossi, after Grossi
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(CardText("txtCognome"), QStringLiteral("Rossi"));
    EXPECT_EQ(CardText("txtEmail"), QStringLiteral("mario@esempio.it"));
    EXPECT_EQ(CardText("lblPosizione"), QStringLiteral("1"));
}

TEST_F(SearchTest, ChoosingForAReceiptFillsTheNineCustomerBoxesAndNothingElse) {
    Store(Archive3());
    TfrmRicevute receipt(services, shell);
    receipt.OpenYear(QStringLiteral("2024"));
    test::ShowActive(&receipt);
    const auto set = [&](const char* name, const char* text) {
        SetTextOf(Find(&receipt, QLatin1String(name)), QString::fromUtf8(text));
    };
    set("txtNote", "nota della ricevuta");
    set("txtPrezzo01", "10,00");
    set("txtDesc01", "Consulenza");
    set("txtNumRic", "7");
    set("txtRiferimenti", "ordine 3");
    set("txtCliente", "vecchio");

    auto search = OpenSearch(receipt, "ricevute");
    Search(*search, "txtNote", "storico");
    ASSERT_EQ(search->Results().Count(), 1u);
    DoubleClick(search->Results().List(), 0);

    const std::pair<const char*, const char*> expected[] = {
        {"txtCliente", "Rossi Mario"},
        {"txtViaCliente", "Via Roma 1"},
        {"txtCapCliente", "20100"},
        {"txtCittaCliente", "Milano"},
        {"txtProvCliente", "MI"},
        {"txtCodFiscCliente", "RSSMRA80A01F205X"},
        {"txtIvaCliente", "01234567890"},
        {"txtBanca", "Banca Uno"},
        {"txtPagamento", "Bonifico"},
        {"txtNote", "nota della ricevuta"},
        {"txtPrezzo01", "10,00"},
        {"txtDesc01", "Consulenza"},
        {"txtNumRic", "7"},
        {"txtRiferimenti", "ordine 3"},
        {"lblPosizione", ""},
    };
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(TextOf(Find(&receipt, QLatin1String(name))), QString::fromUtf8(text)) << name;
    }
}

TEST_F(SearchTest, AnUnreadableArchiveKeepsTheCriteriaAndAnotherTagLoadsNothing) {
    BreakArchive();
    OpenCard();
    auto search = OpenSearch(card, "clienti");
    Search(*search, nullptr, nullptr);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Plain, Q(kMsgAccessoArchivio)}));
    EXPECT_TRUE(Find(search.get(), QStringLiteral("panAvvio"))->isVisible());

    QDir(services.DataFolder()).rmdir(QStringLiteral("Clienti.pro"));
    Store(Archive3());
    auto other = OpenSearch(card, "altro");
    Search(*other, nullptr, nullptr);
    EXPECT_EQ(other->Results().Count(), 3u);
    DoubleClick(other->Results().List(), 0);
    EXPECT_FALSE(other->isVisible());
    EXPECT_EQ(CardText("txtCognome"), QString());
}

}  // namespace
}  // namespace corvelo

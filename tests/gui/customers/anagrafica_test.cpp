#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "core/customers/card_folder.h"
#include "core/customers/customer_card.h"
#include "core/storage/messages.h"
#include "customer_fixture.h"
#include "gui/app/Avvio.h"

namespace corvelo {
namespace {

using test::Customer;
using test::Find;
using C = TCliente;

class CardTest : public test::CustomerScreenTest {
  protected:
    QString Text(const char* name) const { return CardText(QLatin1String(name)); }
    void Set(const char* name, const QString& text) { SetCard(QLatin1String(name), text); }
    void Press(const char* name) { Click(&card, QLatin1String(name)); }
    QString Focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

// --- Layout -------------------------------------------------------------------

TEST_F(CardTest, EveryBoxIsCaptionedAndLimitedAndNothingIsCutOrOverlapsAt1366x768) {
    OpenCard();
    std::vector<QWidget*> shown;
    for (const CustomerBox& box : kCustomerBoxes) {
        const QString name = Q(box.control);
        QWidget* control = Find(&card, name);
        auto* caption = Find<QLabel>(&card, QStringLiteral("tit") + name.mid(3));
        ASSERT_TRUE(control && caption) << box.control;
        EXPECT_EQ(caption->text(), Q(box.label)) << box.control;
        QLineEdit* edit = qobject_cast<QLineEdit*>(control);
        if (auto* province = qobject_cast<ProvinceBox*>(control)) edit = province->lineEdit();
        ASSERT_NE(edit, nullptr) << box.control;
        EXPECT_EQ(edit->maxLength(), box.max_length) << box.control;
        // Readable: the caption whole, the box at least a few characters wide.
        EXPECT_GE(caption->width(), caption->sizeHint().width()) << box.control;
        EXPECT_GE(control->width(), 34) << box.control;
        shown.push_back(control);
        shown.push_back(caption);
    }
    const QRect window = card.rect();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QRect r(shown[i]->mapTo(&card, QPoint(0, 0)), shown[i]->size());
        EXPECT_TRUE(shown[i]->isVisible() && window.contains(r))
            << shown[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const QRect s(shown[j]->mapTo(&card, QPoint(0, 0)), shown[j]->size());
            EXPECT_FALSE(r.intersects(s)) << shown[i]->objectName().toStdString() << " and "
                                          << shown[j]->objectName().toStdString();
        }
    }
    for (std::string_view hidden : kCustomerHiddenLabels) {
        EXPECT_FALSE(Find(&card, Q(hidden))->isVisible()) << hidden;
    }
    // The card number sits between the arrows.
    const auto x = [this](const char* name) {
        return Find(&card, QLatin1String(name))->mapTo(&card, QPoint(0, 0)).x();
    };
    EXPECT_LT(x("cmdIndietro"), x("lblPosizione"));
    EXPECT_LT(x("lblPosizione"), x("cmdAvanti"));
    EXPECT_TRUE(Find(&card, QStringLiteral("lblPosizione"))->isVisible());
    EXPECT_EQ(card.windowTitle(), QStringLiteral(" Corvelo - Anagrafica Clienti"));
}

TEST_F(CardTest, EnterWalksTheFortyFiveBoxesInFieldOrderAndWraps) {
    OpenCard();
    QStringList walked;
    QWidget* at = Find(&card, QStringLiteral("txtCognome"));
    for (std::size_t i = 0; i < kCustomerBoxes.size(); ++i) {
        test::Press(at, Qt::Key_Return);
        at = QApplication::focusWidget();
        // A province box hands the focus to its own line edit.
        if (at && at->parentWidget() && qobject_cast<ProvinceBox*>(at->parentWidget()))
            at = at->parentWidget();
        ASSERT_NE(at, nullptr);
        walked << at->objectName();
    }
    QStringList expected;
    for (std::size_t i = 1; i <= kCustomerBoxes.size(); ++i) {
        expected << Q(kCustomerBoxes[i % kCustomerBoxes.size()].control);
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(CardTest, BoxesTakeKeysAsTheirKindSays) {
    OpenCard();
    const struct {
        const char* box;
        const char* typed;
        const char* shown;  // after leaving the box
    } cases[] = {
        {"txtIva", "12a.3 4", "1234"},
        {"txtCarta", "4111-1111", "41111111"},
        {"txtPreavviso", "1x5", "15"},
        {"txtTotale", "12,5", "12,50"},
        {"txtRata", "1234567890,12345", "1234567890,1234"},
        {"txtCodFisc", "rssmra ", "RSSMRA"},
        {"txtSesso", "m", "M"},
        {"txtIban", "it60 x", "IT60X"},
        {"txtEmail", " mario@esempio.it ", "mario@esempio.it"},
        {"txtProvNasc", "mi", "MI"},
        {"txtNote", "  libero  ", "  libero  "},
    };
    for (const auto& c : cases) {
        QWidget* box = Find(&card, QLatin1String(c.box));
        SetTextOf(box, {});
        test::Type(box, QLatin1String(c.typed));
        test::Leave(box);
        EXPECT_EQ(TextOf(box), QString::fromUtf8(c.shown)) << c.box;
    }
}

TEST_F(CardTest, EveryButtonExplainsItselfAndTheBackgroundClearsTheHint) {
    OpenCard();
    auto* panInfo = Find<QLabel>(&card, QStringLiteral("panInfo"));
    EXPECT_EQ(panInfo->text(), QStringLiteral("Pronto per salvare una nuova scheda..."));
    const char* buttons[] = {"cmdNuovo",   "cmdSalva",   "cmdTrova",    "cmdCartella", "cmdFile",
                             "cmdStampa",  "cmdPrimo",   "cmdIndietro", "cmdAvanti",   "cmdUltimo",
                             "cmdEsporta", "cmdScaduti", "cmdGuida",    "cmdEsci",     "btnCodFisc",
                             "btnIva",     "btnIban",    "btnCarta",    "btnEmail"};
    QSet<QString> hints;
    for (const char* button : buttons) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(Find(&card, QLatin1String(button)), &enter);
        EXPECT_FALSE(panInfo->text().isEmpty()) << button;
        hints.insert(panInfo->text());
    }
    EXPECT_EQ(hints.size(), qsizetype(std::size(buttons)));
    EXPECT_TRUE(hints.contains(QStringLiteral("Invia una e-mail all'indirizzo indicato.")));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(Find(&card, QStringLiteral("panRateale")), &move);
    EXPECT_EQ(panInfo->text(), QString());
}

// --- Blank card, saving, browsing ---------------------------------------------

TEST_F(CardTest, ShowingAndNuovoBothGiveTheBlankCard) {
    services.today = QDate(2024, 2, 29);
    OpenCard();
    const auto expectBlank = [this](const char* when) {
        for (const CustomerBox& box : kCustomerBoxes) {
            QString expected;
            if (box.field == C::Decorrenza || box.field == C::Scadenza) expected = "29/02/2024";
            if (box.field == C::Preavviso) expected = "0";
            if (box.field == C::Totale || box.field == C::Rata) expected = "0,00";
            EXPECT_EQ(CardText(Q(box.control)), expected) << when << " " << box.control;
        }
        for (std::string_view label : kCustomerHiddenLabels) {
            EXPECT_EQ(CardText(Q(label)), QString()) << when << " " << label;
        }
        EXPECT_EQ(Text("lblPosizione"), QString()) << when;
        EXPECT_EQ(Find<ProvinceBox>(&card, QStringLiteral("txtProvRes"))->currentIndex(), -1);
        EXPECT_EQ(Focused(), QStringLiteral("txtCognome")) << when;
    };
    expectBlank("shown");

    const auto dirty = [this] {
        for (const CustomerBox& box : kCustomerBoxes) SetCard(Q(box.control), QStringLiteral("X"));
        Find<ProvinceBox>(&card, QStringLiteral("txtProvRes"))->setCurrentIndex(3);
        Set("lblFile01", QStringLiteral("a.pdf"));
        Set("lblPosizione", QStringLiteral("4"));
        Find(&card, QStringLiteral("txtNote"))->setFocus();
    };
    dirty();
    Press("cmdNuovo");
    expectBlank("Nuovo");

    dirty();
    card.hide();
    card.show();
    QApplication::setActiveWindow(&card);
    expectBlank("shown again");
}

TEST_F(CardTest, NewCardIsAppendedThenSavedOverItselfWithTheDefaultsOfANewCard) {
    OpenCard();
    Set("txtCognome", QStringLiteral("  Rossi "));
    Set("txtNome", QStringLiteral("Mario"));
    Set("lblDesc01", QStringLiteral("contratto"));
    Press("cmdSalva");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Information, Q(kMsgSchedaInserita)}));
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("1"));

    Set("txtNome", QStringLiteral("Maria"));
    Press("cmdSalva");
    EXPECT_EQ(services.messages.back(),
              (test::ShownMessage{MessageKind::Information, Q(kMsgModificheSalvate)}));
    const std::vector<TCliente> stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0][C::Cognome], "Rossi");
    EXPECT_EQ(stored[0][C::Nome], "Maria");
    EXPECT_EQ(stored[0][C::Decorrenza], "15/03/2024");
    EXPECT_EQ(stored[0][C::Scadenza], "15/03/2024");
    EXPECT_EQ(stored[0][C::Preavviso], "0");
    EXPECT_EQ(stored[0][C::Desc01], "contratto");
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("1"));
}

struct RefusedCase {
    const char* label;
    const char* box;  // emptied or given `text`
    const char* text;
    MessageKind kind;
    const char* focus;  // "" for the box that had the focus
};

class SaveRefused : public CardTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(SaveRefused, ShowsTheCheckInItsBoxKindFocusesAndWritesNothing) {
    const RefusedCase& c = GetParam();
    OpenCard();
    Set("txtCognome", QStringLiteral("Rossi"));
    Set("txtNome", QStringLiteral("Mario"));
    Set(c.box, QLatin1String(c.text));
    Find(&card, QStringLiteral("txtNote"))->setFocus();
    Press("cmdSalva");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, c.kind);
    EXPECT_EQ(Focused(), *c.focus ? QLatin1String(c.focus) : QLatin1String("txtNote"));
    EXPECT_FALSE(QFileInfo(services.DataPath(QStringLiteral("Clienti.pro"))).size() > 0);
    EXPECT_EQ(Text("lblPosizione"), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SaveRefused,
    ::testing::Values(
        RefusedCase{"surname", "txtCognome", " ", MessageKind::Warning, "txtCognome"},
        RefusedCase{"first_name", "txtNome", "", MessageKind::Warning, "txtNome"},
        RefusedCase{"no_due_date", "txtScadenza", "", MessageKind::Warning, "txtScadenza"},
        RefusedCase{"start_not_a_date", "txtDecorrenza", "31/02/2024", MessageKind::Plain,
                    "txtDecorrenza"},
        RefusedCase{"due_before_start", "txtScadenza", "14/03/2024", MessageKind::Plain, ""},
        RefusedCase{"notice_pasted", "txtPreavviso", "5 giorni", MessageKind::Warning,
                    "txtPreavviso"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(CardTest, ArrowsGoThroughTheArchiveAndStopQuietlyAtItsEnds) {
    Store({Customer("Bianchi", "Anna", {{C::Email, "anna@esempio.it"}, {C::File02, "b.pdf"}}),
           Customer("Rossi", "Mario"), Customer("Verdi", "Luca")});
    OpenCard();
    const struct {
        const char* button;
        const char* position;
        const char* cognome;  // "edited" where the move does nothing
    } steps[] = {
        {"cmdIndietro", "1", "Bianchi"},  // a new card goes to card 1
        {"cmdIndietro", "1", "edited"},   // nothing before card 1
        {"cmdUltimo", "3", "Verdi"},     {"cmdAvanti", "3", "edited"},
        {"cmdIndietro", "2", "Rossi"},   {"cmdPrimo", "1", "Bianchi"},
    };
    for (const auto& s : steps) {
        Set("txtCognome", QStringLiteral("edited"));  // edits are left without asking
        Press(s.button);
        EXPECT_EQ(Text("lblPosizione"), QLatin1String(s.position)) << s.button;
        EXPECT_EQ(Text("txtCognome"), QLatin1String(s.cognome)) << s.button;
    }
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Text("txtEmail"), QStringLiteral("anna@esempio.it"));
    EXPECT_EQ(Text("lblFile02"), QStringLiteral("b.pdf"));
    Press("cmdNuovo");
    Press("cmdAvanti");
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("1"));
}

TEST_F(CardTest, EmptyArchiveAndUnreadableArchiveAreReported) {
    OpenCard();
    for (const char* button : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"}) {
        services.Clear();
        Press(button);
        ASSERT_EQ(services.messages.size(), 1u) << button;
        EXPECT_EQ(services.messages[0],
                  (test::ShownMessage{MessageKind::Information, Q(kMsgArchivioVuoto)}))
            << button;
    }
    QFile::remove(services.DataPath(QStringLiteral("Clienti.pro")));
    ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("Clienti.pro")));
    Set("txtCognome", QStringLiteral("Rossi"));
    Set("txtNome", QStringLiteral("Mario"));
    for (const char* button : {"cmdPrimo", "cmdAvanti", "cmdSalva"}) {
        services.Clear();
        Press(button);
        ASSERT_EQ(services.messages.size(), 1u) << button;
        EXPECT_EQ(services.messages[0],
                  (test::ShownMessage{MessageKind::Error, Q(kMsgAccessoArchivio)}))
            << button;
        EXPECT_EQ(Text("txtCognome"), QStringLiteral("Rossi")) << "the screen keeps its card";
    }
}

// --- The other buttons ----------------------------------------------------------

TEST_F(CardTest, ButtonsOpenTheirScreensWithWhatTheyNeed) {
    OpenCard();
    Set("lblFile01", QStringLiteral(" a.pdf "));
    Set("lblDesc03", QStringLiteral("terzo"));
    const struct {
        const char* button;
        const char* box;  // filled first
        const char* text;
        const char* screen;
        const char* control;  // what the screen holds then
        const char* holds;
    } openings[] = {
        {"cmdTrova", nullptr, nullptr, "corvelo::TfrmTrovaClienti", "lblMemory", "clienti"},
        {"cmdScaduti", nullptr, nullptr, "corvelo::TfrmDaRinnovare", nullptr, nullptr},
        {"cmdEsporta", nullptr, nullptr, "corvelo::TfrmExpClienti", nullptr, nullptr},
        {"cmdGuida", nullptr, nullptr, "corvelo::TfrmGuida", "lblTitolo", "Anagrafica Clienti."},
        {"cmdFile", nullptr, nullptr, "corvelo::TfrmAllegaCartella", "lblMemory", "anagrafica"},
        {"cmdFile", nullptr, nullptr, "corvelo::TfrmAllegaCartella", "txtFile01", "a.pdf"},
        {"cmdFile", nullptr, nullptr, "corvelo::TfrmAllegaCartella", "txtDesc03", "terzo"},
        {"btnCodFisc", "txtCodFisc", "01234567890", "corvelo::TfrmPartitaIva", "txtPartitaIva",
         "01234567890"},
        {"btnCodFisc", "txtCodFisc", "RSSMRA80A01H501U", "corvelo::TfrmCodFisc", "txtCodFisc",
         "RSSMRA80A01H501U"},
        {"btnCodFisc", "txtCodFisc", "", "corvelo::TfrmCodFisc", "txtCodFisc", ""},
        {"btnIva", "txtIva", "01234567890", "corvelo::TfrmPartitaIva", "txtPartitaIva",
         "01234567890"},
        {"btnIban", "txtIban", "IT60X0542811101000000123456", "corvelo::TfrmIban", "txtIban",
         "IT60X0542811101000000123456"},
        {"btnCarta", "txtCarta", "4111111111111111", "corvelo::TfrmCarta", "txtNumero",
         "4111111111111111"},
    };
    for (const auto& o : openings) {
        if (o.box) Set(o.box, QLatin1String(o.text));
        QString shown;
        QString holds;
        test::OnNextModal([&](QWidget* modal) {
            shown = QLatin1String(modal->metaObject()->className());
            if (o.control) holds = TextOf(modal->findChild<QWidget*>(QLatin1String(o.control)));
            modal->close();
        });
        Press(o.button);
        EXPECT_EQ(shown, QLatin1String(o.screen)) << o.button;
        if (o.control) {
            EXPECT_EQ(holds, QLatin1String(o.holds)) << o.button << " " << o.control;
        }
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CardTest, EmailButtonOpensTheMailProgramWithAnEncodedAddress) {
    OpenCard();
    Set("txtEmail", QStringLiteral("mario@esempio.it?attach=x&cc=y"));
    Press("btnEmail");
    Set("txtEmail", {});
    Press("btnEmail");
    EXPECT_EQ(services.shellOpens,
              (QStringList{"\"mailto:mario@esempio.it%3Fattach%3Dx%26cc%3Dy\"", "\"mailto:\""}));
}

TEST_F(CardTest, FolderOnlyForASavedCardAndCreatedWhereTheProgramIs) {
    OpenCard();
    Press("cmdCartella");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Warning, Q(kMsgCartellaSoloSchedeSalvate)}));

    Store({Customer("A", "a"), Customer("B", "b"), Customer("C", "c"), Customer("D", "d")});
    Set("txtCognome", QStringLiteral("Rossi"));
    Set("txtNome", QStringLiteral("Mario"));
    Press("cmdSalva");
    ASSERT_EQ(Text("lblPosizione"), QStringLiteral("5"));
    for (int twice = 0; twice < 2; ++twice) {
        QString memory;
        test::OnNextModal([&](QWidget* modal) {
            memory = TextOf(modal->findChild<QWidget*>(QStringLiteral("lblMemory")));
            Click(modal, QStringLiteral("btnApriCartella"));
        });
        Press("cmdCartella");
        EXPECT_EQ(memory, QStringLiteral("5"));
    }
    const QString folder = services.DataPath(QStringLiteral("Cliente_5"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    ASSERT_EQ(services.shellOpens.size(), 2);
    EXPECT_TRUE(services.shellOpens[0].startsWith(QLatin1Char('"')) &&
                services.shellOpens[0].endsWith(QLatin1Char('"')));
    EXPECT_EQ(QDir::cleanPath(services.shellOpens[0].mid(1).chopped(1)), QDir::cleanPath(folder));
    EXPECT_EQ(services.shellOpens[1], services.shellOpens[0]);
    EXPECT_EQ(services.messages.size(), 2u) << "the warning and the save; opening says nothing";
}

TEST_F(CardTest, PrintingAnUnsavedCardPrintsWhatTheScreenShows) {
    services.time = QTime(9, 5, 7);
    OpenCard();
    Set("txtCognome", QStringLiteral("Rossi"));
    Set("txtNome", QStringLiteral("Mario"));
    Set("txtAcquisto", QStringLiteral("Divano"));
    report::ReportDocument sheet = card.CardSheet();
    EXPECT_EQ(sheet.FindText("txtCampo01")->Text(), "Rossi Mario");
    EXPECT_EQ(sheet.FindText("txtCampo22")->Text(), "Divano  Importo rata: \xE2\x82\xAC 0,00");
    EXPECT_EQ(sheet.FindText("txtCalce")->Text(),
              "Stampa eseguita in data 15/03/2024 alle ore 09:05:07");
    Press("cmdStampa");
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_EQ(services.printJobs[0].kind, test::PrintJobRecord::Kind::Print);
    EXPECT_FALSE(QFileInfo(services.DataPath(QStringLiteral("Clienti.pro"))).size() > 0);
}

TEST_F(CardTest, ExitReturnsToTheStartMenuAndTheStartMenuBringsBackABlankCard) {
    shell.SetWorkArea(WorkArea::Anagrafica, &card);
    shell.ShowStartMenu();
    Click(shell.Avvio(), QStringLiteral("btnAnagrafica"));
    ASSERT_TRUE(card.isVisible());
    EXPECT_FALSE(shell.Avvio()->isVisible());
    Set("txtCognome", QStringLiteral("Rossi"));
    Press("cmdEsci");
    EXPECT_FALSE(card.isVisible());
    EXPECT_TRUE(shell.Avvio()->isVisible());
    Click(shell.Avvio(), QStringLiteral("btnAnagrafica"));
    EXPECT_EQ(Text("txtCognome"), QString());
}

}  // namespace
}  // namespace corvelo

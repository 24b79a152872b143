#include <gtest/gtest.h>

#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "core/storage/messages.h"
#include "core/warehouse/item_card.h"
#include "core/warehouse/item_print.h"
#include "core/warehouse/stock_update.h"
#include "core/warehouse/web_search.h"
#include "gui/app/Avvio.h"
#include "warehouse_fixture.h"

namespace corvelo {
namespace {

using test::Find;
using test::Item;
using test::ShownMessage;
using A = TArticolo;

class ItemCardTest : public test::WarehouseScreenTest {};

QRect On(const QWidget* screen, const QWidget* w) {
    return {w->mapTo(screen, QPoint(0, 0)), w->size()};
}

// --- Layout -------------------------------------------------------------------

TEST_F(ItemCardTest, BoxesCaptionsAndButtonsAreWholeAndApartAt1366x768) {
    OpenCard();
    EXPECT_EQ(card.windowTitle(), Q(kItemEditorCaption));
    const ScreenKit* kit = ScreenKit::Of(&card);
    ASSERT_NE(kit, nullptr);
    std::vector<QWidget*> shown;
    for (const ItemBox& box : kItemBoxes) {
        auto* edit = Find<QLineEdit>(&card, Q(box.control));
        auto* caption = Find<QLabel>(&card, QStringLiteral("tit") + Q(box.control).mid(3));
        ASSERT_TRUE(edit && caption) << box.control;
        EXPECT_EQ(caption->text(), Q(box.caption)) << box.control;
        EXPECT_EQ(kit->TypingLimit(Q(box.control)), int(box.max_chars)) << box.control;
        EXPECT_EQ(edit->text(), Q(box.initial)) << box.control;
        const Qt::Alignment h = edit->alignment() & Qt::AlignHorizontal_Mask;
        EXPECT_EQ(h, box.align == BoxAlign::kCentre  ? Qt::AlignHCenter
                     : box.align == BoxAlign::kRight ? Qt::AlignRight
                                                     : Qt::AlignLeft)
            << box.control;
        EXPECT_GE(edit->width(), 40) << box.control;
        shown.push_back(edit);
        shown.push_back(caption);
    }
    for (const char* unit : {"lblSottoscortaUnita", "lblPercIvaUnita"}) {
        shown.push_back(Find(&card, QLatin1String(unit)));
    }
    EXPECT_EQ(TextOf(shown.back()), QStringLiteral("%"));
    EXPECT_EQ(TextOf(Find(&card, QStringLiteral("lblSottoscortaUnita"))),
              QStringLiteral("pezzi rimasti."));
    for (QAbstractButton* button : card.findChildren<QAbstractButton*>()) shown.push_back(button);
    shown.push_back(Find(&card, QStringLiteral("lblPosizione")));
    shown.push_back(Find(&card, QStringLiteral("panInfo")));

    const QRect window = card.rect();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QWidget* w = shown[i];
        const std::string name = w->objectName().toStdString();
        EXPECT_TRUE(w->isVisible() && window.contains(On(&card, w))) << name;
        if (auto* label = qobject_cast<QLabel*>(w); label && name != "panInfo") {
            EXPECT_GE(label->width(), label->sizeHint().width()) << name;
        }
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 12)
                << name;
        } else if (auto* picture = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_GE(picture->width(), picture->sizeHint().width()) << name;
        }
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(On(&card, w).intersects(On(&card, shown[j])))
                << name << " and " << shown[j]->objectName().toStdString();
        }
    }
    for (const ItemLabel& label : kItemHiddenLabels) {
        auto* hidden = Find<QLabel>(&card, Q(label.control));
        EXPECT_FALSE(hidden->isVisible()) << label.control;
        EXPECT_EQ(hidden->text(), QString()) << label.control;
    }

    // Four sections top to bottom; the command column on the right, in order;
    // the card number between the arrows at the bottom right.
    int top = -1;
    for (const char* section : {"panArticolo", "panFornitore", "panPrezzi", "panNote"}) {
        const QRect r = On(&card, Find(&card, QLatin1String(section)));
        EXPECT_GT(r.top(), top) << section;
        top = r.bottom();
    }
    const QRect column = On(&card, Find(&card, QStringLiteral("panComandi")));
    EXPECT_GT(column.left(), On(&card, Find(&card, QStringLiteral("panNote"))).right());
    int y = -1;
    for (const char* command :
         {"cmdNuovo", "cmdDuplica", "cmdFile", "cmdSalva", "cmdTrova", "cmdStampa", "cmdPDF",
          "cmdWeb", "cmdSottoscorta", "cmdEsporta", "cmdGuida", "cmdEsci"}) {
        const QRect r = On(&card, Find(&card, QLatin1String(command)));
        EXPECT_GT(r.top(), y) << command;
        EXPECT_TRUE(column.contains(r)) << command;
        y = r.bottom();
    }
    const auto x = [this](const char* name) {
        return On(&card, Find(&card, QLatin1String(name))).x();
    };
    EXPECT_LT(x("cmdPrimo"), x("cmdIndietro"));
    EXPECT_LT(x("cmdIndietro"), x("lblPosizione"));
    EXPECT_LT(x("lblPosizione"), x("cmdAvanti"));
    EXPECT_LT(x("cmdAvanti"), x("cmdUltimo"));
    EXPECT_GT(x("cmdPrimo"), x("panInfo"));
    EXPECT_GT(On(&card, Find(&card, QStringLiteral("lblPosizione"))).top(), top);
    // "Altre informazioni" at the top right of the first section.
    const QRect first = On(&card, Find(&card, QStringLiteral("panArticolo")));
    const QRect extra = On(&card, Find(&card, QStringLiteral("btnPneumatici")));
    EXPECT_LT(extra.top(), On(&card, Find(&card, QStringLiteral("txtCodice"))).top());
    EXPECT_GT(extra.left(), first.center().x());
}

TEST_F(ItemCardTest, EnterWalksTheTwentyBoxesAndGoesBackToTheCode) {
    OpenCard();
    QStringList walked;
    QWidget* at = Find(&card, QStringLiteral("txtCodice"));
    for (std::size_t i = 0; i < kItemBoxes.size(); ++i) {
        test::Press(at, Qt::Key_Return);
        at = QApplication::focusWidget();
        ASSERT_NE(at, nullptr);
        walked << at->objectName();
    }
    QStringList expected;
    for (std::size_t i = 1; i <= kItemBoxes.size(); ++i) {
        expected << Q(kItemBoxes[i % kItemBoxes.size()].control);
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(ItemCardTest, BoxesTakeTheirKeysAndNormaliseWhenLeft) {
    OpenCard();
    const struct {
        const char* box;
        const char* typed;
        const char* pasted;  // set as a paste would, instead of typing
        const char* shown;   // after leaving the box
    } cases[] = {
        {"txtGiacenza", "1x2.-", nullptr, "12"},
        {"txtGiacenza", nullptr, "12,5", "13"},
        {"txtGiacenza", "", nullptr, "0"},
        {"txtSottoscorta", nullptr, "abc", "0"},
        {"txtPercIva", "225", nullptr, "22"},
        {"txtCosto", "1,23456", nullptr, "1,2346"},
        {"txtCosto", "7", nullptr, "7,00"},
        {"txtCosto", "7,5", nullptr, "7,50"},
        {"txtCosto", "", nullptr, "0,00"},
        {"txtPrezzo", "-3.5", nullptr, "35,00"},
        {"txtValore", nullptr, "1,2,3", "0,00"},
        {"txtCodice", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789XY", nullptr,
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},
        {"txtNote", " libero ", nullptr, " libero "},
    };
    for (const auto& c : cases) {
        auto* box = Find<QLineEdit>(&card, QLatin1String(c.box));
        box->clear();
        if (c.pasted) {
            test::Focus(box);
            box->setText(QLatin1String(c.pasted));
        } else {
            test::Type(box, QLatin1String(c.typed));
        }
        test::Leave(box);
        EXPECT_EQ(box->text(), QString::fromUtf8(c.shown))
            << c.box << " " << (c.typed ? c.typed : c.pasted);
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ItemCardTest, EveryButtonExplainsItselfAndTheBackgroundClearsTheHint) {
    OpenCard();
    auto* panInfo = Find<QLabel>(&card, QStringLiteral("panInfo"));
    EXPECT_EQ(panInfo->text(), Q(kItemEditorIdle));
    const char* buttons[] = {
        "cmdNuovo",  "cmdDuplica",  "cmdFile",        "cmdSalva",     "cmdTrova",    "cmdStampa",
        "cmdPDF",    "cmdWeb",      "cmdSottoscorta", "cmdEsporta",   "cmdGuida",    "cmdEsci",
        "cmdPrimo",  "cmdIndietro", "cmdAvanti",      "cmdUltimo",    "btnAggiungi", "btnSottrai",
        "btnValore", "btnCalcola",  "btnScorpora",    "btnPneumatici"};
    QSet<QString> hints;
    for (const char* button : buttons) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(Find(&card, QLatin1String(button)), &enter);
        EXPECT_FALSE(panInfo->text().isEmpty()) << button;
        hints.insert(panInfo->text());
    }
    EXPECT_EQ(hints.size(), qsizetype(std::size(buttons)));
    EXPECT_TRUE(hints.contains(QStringLiteral(
        "Cerca sul Web, tramite Google, informazioni relative all'articolo corrente.")));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(Find(&card, QStringLiteral("panPrezzi")), &move);
    EXPECT_EQ(panInfo->text(), QString());
}

// --- Saving, duplicating, browsing -----------------------------------------------

TEST_F(ItemCardTest, ANewCardIsAppendedWithItsDefaultsThenSavedOverItself) {
    OpenCard();
    Press("cmdSalva");
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Warning, Q(kMsgCodiceMancante)}}));
    EXPECT_EQ(Focused(), QStringLiteral("txtCodice"));
    EXPECT_TRUE(Stored().empty());

    services.Clear();
    Set("txtCodice", QStringLiteral("VT-10"));
    for (const char* box : {"txtGiacenza", "txtSottoscorta", "txtPercIva", "txtCosto", "txtValore",
                            "txtPrezzo", "txtPrezzo_con_Iva"}) {
        Set(box, {});
    }
    Set("txtPrezzo", QStringLiteral("100"));
    Set("txtPercIva", QStringLiteral("22"));
    Set("txtPrezzo_con_Iva", QStringLiteral("999"));  // typed, not Scorpora'd: recomputed
    Set("memOnde", QStringLiteral("12/2025"));
    Press("cmdSalva");
    EXPECT_EQ(Messages(),
              QStringList{QString::fromUtf8("La scheda corrente è stata inserita in archivio.")});
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("1"));
    ASSERT_EQ(Stored().size(), 1u);
    TArticolo stored = Stored()[0];
    EXPECT_EQ(stored[A::Giacenza], "0");
    EXPECT_EQ(stored[A::Sottoscorta], "0");
    EXPECT_EQ(stored[A::Costo], "0,00");
    EXPECT_EQ(stored[A::Valore], "0,00");
    EXPECT_EQ(stored[A::Prezzo_con_Iva], "122,00");
    EXPECT_EQ(stored[A::Onde], "12/2025");
    EXPECT_EQ(Text("txtPrezzo_con_Iva"), QStringLiteral("122,00"));

    services.Clear();
    Set("txtCodice", QStringLiteral("VT-11"));
    Press("cmdSalva");
    Press("cmdSalva");
    EXPECT_EQ(
        Messages(),
        QStringList(
            2, QStringLiteral(
                   "Le modifiche apportate alla scheda corrente sono state salvate in archivio.")));
    ASSERT_EQ(Stored().size(), 1u);
    EXPECT_EQ(Stored()[0][A::Codice], "VT-11");
}

TEST_F(ItemCardTest, CalcolaScorporaAndCalcolaValoreWriteTheirResult) {
    OpenCard();
    const struct {
        const char* button;
        std::vector<std::pair<const char*, const char*>> typed;
        std::vector<std::pair<const char*, const char*>> shown;
        QString warning;
        const char* focus;
    } cases[] = {
        {"btnCalcola",
         {{"txtPrezzo", "10"}, {"txtPercIva", "4"}},
         {{"txtPrezzo_con_Iva", "10,40"}},
         {},
         nullptr},
        {"btnScorpora",
         {{"txtPrezzo_con_Iva", "10"}, {"txtPercIva", "22"}},
         {{"txtPrezzo", "8,20"}},
         {},
         nullptr},
        {"btnScorpora",
         {{"txtPrezzo_con_Iva", "10"}, {"txtPercIva", "05"}},
         {{"txtPrezzo", "9,52"}, {"txtPercIva", "5"}},
         {},
         nullptr},
        {"btnValore",
         {{"txtCosto", "2,5"}, {"txtGiacenza", "3"}},
         {{"txtValore", "7,50"}},
         {},
         nullptr},
        // One bad box resets itself and the result; the good one stays.
        {"btnCalcola",
         {{"txtPrezzo", "100"}, {"txtPercIva", "x"}},
         {{"txtPrezzo", "100"}, {"txtPercIva", "0"}, {"txtPrezzo_con_Iva", "0,00"}},
         Q(kMsgCalcolaNonValidi),
         "txtPrezzo_con_Iva"},
        {"btnScorpora",
         {{"txtPrezzo_con_Iva", "1,2,3"}, {"txtPercIva", "22"}},
         {{"txtPrezzo", "0,00"}, {"txtPercIva", "22"}, {"txtPrezzo_con_Iva", "0,00"}},
         Q(kMsgScorporaNonValidi),
         "txtPrezzo_con_Iva"},
        // A bad cost never costs the stock.
        {"btnValore",
         {{"txtCosto", "abc"}, {"txtGiacenza", "5"}},
         {{"txtCosto", "0,00"}, {"txtGiacenza", "5"}, {"txtValore", "0,00"}},
         {},
         nullptr},
    };
    for (const auto& c : cases) {
        services.Clear();
        for (const auto& [box, text] : c.typed) Set(box, QString::fromUtf8(text));
        Press(c.button);
        for (const auto& [box, text] : c.shown) {
            EXPECT_EQ(Text(box), QString::fromUtf8(text)) << c.button << " " << box;
        }
        if (c.warning.isEmpty()) {
            EXPECT_TRUE(services.messages.empty()) << c.button;
        } else {
            EXPECT_EQ(services.messages,
                      (std::vector<ShownMessage>{{MessageKind::Warning, c.warning}}))
                << c.button;
            EXPECT_EQ(Focused(), QLatin1String(c.focus)) << c.button;
        }
    }
    EXPECT_TRUE(Stored().empty()) << "no button of these writes the file";
}

TEST_F(ItemCardTest, DuplicaCopiesAStoredCardWithoutItsAttachmentsAndTheSaveAppends) {
    OpenCard();
    Set("txtCodice", QStringLiteral("VT-10"));
    Press("cmdDuplica");
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Warning, Q(kMsgDuplicaNuova)}}));

    Store({Item({{A::Codice, "VT-10"},
                 {A::Marca, "Fischer"},
                 {A::Consumo, "6 mm"},
                 {A::File01, "scheda.pdf"},
                 {A::Desc01, "Scheda tecnica"},
                 {A::Cartella, "c"}})});
    Press("cmdPrimo");
    ASSERT_EQ(Text("lblFile01"), QStringLiteral("scheda.pdf"));
    services.Clear();
    Press("cmdDuplica");
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Information, Q(kMsgDuplicata)}}));
    EXPECT_EQ(Text("lblPosizione"), QString());
    EXPECT_EQ(Text("lblFile01"), QString());
    EXPECT_EQ(Text("lblDesc01"), QString());
    EXPECT_EQ(Text("lblCartella"), QString());
    EXPECT_EQ(Text("txtMarca"), QStringLiteral("Fischer"));
    EXPECT_EQ(Text("memConsumo"), QStringLiteral("6 mm"));
    EXPECT_EQ(Focused(), QStringLiteral("txtCodice"));
    Press("cmdSalva");
    ASSERT_EQ(Stored().size(), 2u);
    EXPECT_EQ(Stored()[1][A::Codice], "VT-10");
    EXPECT_EQ(Stored()[1][A::File01], "");
    EXPECT_EQ(Stored()[1][A::Consumo], "6 mm");
    EXPECT_EQ(Stored()[0][A::File01], "scheda.pdf");
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("2"));
}

TEST_F(ItemCardTest, ArrowsShowWholeCardsAndAnEmptyArchiveIsSaid) {
    OpenCard();
    Press("cmdUltimo");
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Information, Q(kMsgArchivioVuoto)}}));
    Store({Item({{A::Codice, "A"}, {A::Note, " nota "}, {A::Onde, "2025"}}),
           Item({{A::Codice, "B"}, {A::Desc02, "seconda"}})});
    Press("cmdPrimo");
    EXPECT_EQ(Text("txtCodice"), QStringLiteral("A"));
    EXPECT_EQ(Text("txtNote"), QStringLiteral("nota"));
    EXPECT_EQ(Text("memOnde"), QStringLiteral("2025"));
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("1"));
    Press("cmdAvanti");
    EXPECT_EQ(Text("txtCodice"), QStringLiteral("B"));
    EXPECT_EQ(Text("memOnde"), QString());
    EXPECT_EQ(Text("lblDesc02"), QStringLiteral("seconda"));
    EXPECT_EQ(Text("lblPosizione"), QStringLiteral("2"));
    Press("cmdNuovo");
    EXPECT_EQ(Text("txtCodice"), QString());
    EXPECT_EQ(Text("txtGiacenza"), QStringLiteral("0"));
    EXPECT_EQ(Text("lblDesc02"), QString());
    EXPECT_EQ(Text("lblPosizione"), QString());
}

// --- The windows the card opens ------------------------------------------------------

TEST_F(ItemCardTest, PlusAndMinusChangeOnlyTheStockOnScreen) {
    OpenCard();
    Set("txtGiacenza", QStringLiteral("10"));
    const struct {
        const char* button;
        const char* quantity;
        bool apply;
        const char* label;
        const char* stock;  // on the card afterwards
    } cases[] = {
        {"btnAggiungi", "5", true, "Quantità da aggiungere:", "15"},
        {"btnSottrai", "17", true, "Quantità da sottrarre:", "-2"},
        {"btnAggiungi", "4", false, "Quantità da aggiungere:", "-2"},
    };
    for (const auto& c : cases) {
        QString label, current, total;
        test::OnNextModal([&](QWidget* modal) {
            label = TextOf(Find(modal, QStringLiteral("lblAggiunta")));
            current = TextOf(Find(modal, QStringLiteral("txtGiacenza")));
            total = TextOf(Find(modal, QStringLiteral("txtTotale")));
            auto* quantity = Find<QLineEdit>(modal, QStringLiteral("txtAggiunta"));
            EXPECT_EQ(quantity->text(), QStringLiteral("0"));
            quantity->clear();
            test::Type(quantity, QLatin1String(c.quantity));
            // Not totalled first: the quantity is applied all the same.
            Click(modal, c.apply ? QStringLiteral("btnAggiorna") : QStringLiteral("btnChiudi"));
        });
        const QString before = Text("txtGiacenza");
        Press(c.button);
        EXPECT_EQ(label, QString::fromUtf8(c.label)) << c.button;
        EXPECT_EQ(current, before);
        EXPECT_EQ(total, before);
        EXPECT_EQ(Text("txtGiacenza"), QLatin1String(c.stock)) << c.button << c.quantity;
    }
    EXPECT_TRUE(Stored().empty());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ItemCardTest, AltreInformazioniEditsTheFourHiddenLabels) {
    OpenCard();
    Set("memConsumo", QStringLiteral(" 10 cm "));
    const char* boxes[] = {"txtConsumo", "txtAderenza", "txtRumore", "txtOnde"};
    QStringList shown;
    test::OnNextModal([&](QWidget* modal) {
        for (const char* box : boxes) shown << TextOf(Find(modal, QLatin1String(box)));
        EXPECT_EQ(modal->focusWidget()->objectName(), QStringLiteral("txtConsumo"));
        auto* onde = Find<QLineEdit>(modal, QStringLiteral("txtOnde"));
        test::Type(onde, QString(35, QLatin1Char('9')));
        EXPECT_EQ(onde->text().size(), 30);
        Find<QLineEdit>(modal, QStringLiteral("txtRumore"))->setText(QStringLiteral(" 2 m "));
        Click(modal, QStringLiteral("btnApplica"));
    });
    Press("btnPneumatici");
    EXPECT_EQ(shown, (QStringList{"10 cm", "", "", ""}));
    EXPECT_EQ(Text("memConsumo"), QStringLiteral("10 cm"));
    EXPECT_EQ(Text("memRumore"), QStringLiteral("2 m"));
    EXPECT_EQ(Text("memOnde"), QString(30, QLatin1Char('9')));

    test::OnNextModal([&](QWidget* modal) {
        Find<QLineEdit>(modal, QStringLiteral("txtConsumo"))->setText(QStringLiteral("altro"));
        Click(modal, QStringLiteral("btnAnnulla"));
    });
    Press("btnPneumatici");
    EXPECT_EQ(Text("memConsumo"), QStringLiteral("10 cm"));
}

TEST_F(ItemCardTest, ButtonsOpenTheirScreensWithWhatTheyNeed) {
    OpenCard();
    Set("lblFile01", QStringLiteral(" foto.jpg "));
    Set("lblDesc02", QStringLiteral("manuale"));
    const struct {
        const char* button;
        const char* screen;
        const char* control;  // what the screen holds then
        const char* holds;
    } openings[] = {
        {"cmdTrova", "corvelo::TfrmTrovaMagazzino", "lblMemory", "magazzino"},
        {"cmdSottoscorta", "corvelo::TfrmSottoscorta", nullptr, nullptr},
        {"cmdEsporta", "corvelo::TfrmExpMagazzino", nullptr, nullptr},
        {"cmdGuida", "corvelo::TfrmGuida", "lblTitolo", "Magazzino Prodotti e Servizi."},
        {"cmdFile", "corvelo::TfrmAllegaCartella", "lblMemory", "magazzino"},
        {"cmdFile", "corvelo::TfrmAllegaCartella", "txtFile01", "foto.jpg"},
        {"cmdFile", "corvelo::TfrmAllegaCartella", "txtDesc02", "manuale"},
    };
    for (const auto& o : openings) {
        QString shown, holds;
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

TEST_F(ItemCardTest, PrintAndPdfShowTheBoxesAsTheyStand) {
    services.time = QTime(9, 5, 7);
    OpenCard();
    Set("txtCodice", QStringLiteral("VT-10"));
    Press("cmdStampa");
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_EQ(services.printJobs[0].kind, test::PrintJobRecord::Kind::Print);

    const QString pdf = services.DataPath(QStringLiteral("Articolo.pdf"));
    services.answerNo = {true};
    Press("cmdPDF");
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Confirmation, Q(kMsgItemPdfDone)}}));
    EXPECT_TRUE(services.shellOpens.isEmpty());
    ASSERT_TRUE(QFileInfo(pdf).size() > 0);
    services.Clear();
    Press("cmdPDF");  // again, no question about the file there
    EXPECT_EQ(services.shellOpens, QStringList{QLatin1Char('"') + pdf + QLatin1Char('"')});
    EXPECT_TRUE(Stored().empty());

    // A file that cannot be replaced: the warning names it, nothing is asked.
    QFile::remove(pdf);
    ASSERT_TRUE(QDir(services.DataFolder()).mkpath(QStringLiteral("Articolo.pdf/tenuto")));
    services.Clear();
    Press("cmdPDF");
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Warning, Q(kMsgItemPdfFailed)}}));
    EXPECT_TRUE(services.shellOpens.isEmpty());
    EXPECT_TRUE(QFileInfo(pdf + QStringLiteral("/tenuto")).isDir());
}

TEST_F(ItemCardTest, WebSearchNeedsABrandAndSearchesItWhole) {
    OpenCard();
    Press("cmdWeb");
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Warning, Q(kMsgMarcaMancante)}}));
    EXPECT_EQ(Focused(), QStringLiteral("txtMarca"));
    EXPECT_TRUE(services.shellOpens.isEmpty());

    services.Clear();
    Set("txtMarca", QStringLiteral(" AT&T "));
    Set("txtModello", QStringLiteral("Cavo 2 m"));
    Press("cmdWeb");
    Set("txtModello", {});
    services.shellOpenFails = true;
    Press("cmdWeb");
    EXPECT_EQ(services.shellOpens,
              (QStringList{"\"https://www.google.com/search?q=AT%26T%20Cavo%202%20m\"",
                           "\"https://www.google.com/search?q=AT%26T%20\""}));
    EXPECT_EQ(services.messages,
              (std::vector<ShownMessage>{{MessageKind::Warning, Q(kMsgWebFallita)}}));
}

TEST_F(ItemCardTest, TheStartMenuOpensTheCardAndExitComesBackWithoutSaving) {
    shell.SetWorkArea(WorkArea::Magazzino, &card);
    shell.ShowStartMenu();
    Click(shell.Avvio(), QStringLiteral("btnBollettino"));
    ASSERT_TRUE(card.isVisible());
    EXPECT_FALSE(shell.Avvio()->isVisible());
    EXPECT_EQ(card.focusWidget()->objectName(), QStringLiteral("txtCodice"));
    Set("txtCodice", QStringLiteral("non salvato"));
    Set("memOnde", QStringLiteral("2025"));
    Press("cmdEsci");
    EXPECT_FALSE(card.isVisible());
    EXPECT_TRUE(shell.Avvio()->isVisible());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(Stored().empty());
    Click(shell.Avvio(), QStringLiteral("imgBollettino"));
    EXPECT_EQ(Text("txtCodice"), QString());
    EXPECT_EQ(Text("memOnde"), QString());
}

}  // namespace
}  // namespace corvelo

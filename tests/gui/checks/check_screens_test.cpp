#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <memory>

#include "core/checks/carta.h"
#include "core/checks/codice_fiscale.h"
#include "core/checks/iban.h"
#include "core/checks/partita_iva.h"
#include "gui/app/conventions.h"
#include "gui/checks/Carta.h"
#include "gui/checks/CodFisc.h"
#include "gui/checks/Iban.h"
#include "gui/checks/PartitaIVA.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

struct ScreenInfo {
    CheckKind kind;
    const char* name;
    const char* caption;
    const char* title;
    const char* box;
    int maxLength;
};

const ScreenInfo kScreens[] = {
    {CheckKind::CodiceFiscale, "TfrmCodFisc", " Verifica codice fiscale",
     "Immettere il codice fiscale e premere il pulsante di controllo.", "txtCodFisc", 16},
    {CheckKind::PartitaIva, "TfrmPartitaIva", " Controllo partita IVA",
     "Immettere il numero di partita IVA e premere il pulsante di controllo.", "txtPartitaIva", 11},
    {CheckKind::Iban, "TfrmIban", " Controllo IBAN",
     "Immettere l'IBAN e premere il pulsante di controllo.", "txtIban", 27},
    {CheckKind::Carta, "TfrmCarta", " Controllo carta di credito",
     "Immettere il numero di carta di credito e premere il pulsante di controllo.", "txtNumero",
     30},
};

std::unique_ptr<CheckScreen> Make(CheckKind kind, Services& services) {
    switch (kind) {
        case CheckKind::CodiceFiscale:
            return std::make_unique<TfrmCodFisc>(services);
        case CheckKind::PartitaIva:
            return std::make_unique<TfrmPartitaIva>(services);
        case CheckKind::Iban:
            return std::make_unique<TfrmIban>(services);
        case CheckKind::Carta:
            return std::make_unique<TfrmCarta>(services);
    }
    return nullptr;
}

const ScreenInfo& InfoOf(CheckKind kind) {
    for (const ScreenInfo& info : kScreens) {
        if (info.kind == kind) return info;
    }
    return kScreens[0];
}

class CheckBoxes : public test::ScreenTest {};

class CheckScreenLook : public test::ScreenTest,
                        public ::testing::WithParamInterface<ScreenInfo> {};

TEST_P(CheckScreenLook, ControlsTextsAndLayout) {
    const ScreenInfo& info = GetParam();
    auto screen = Make(info.kind, services);
    test::ShowActive(screen.get());
    EXPECT_EQ(screen->objectName(), info.name);
    EXPECT_EQ(screen->windowTitle(), info.caption);
    EXPECT_TRUE(screen->isModal());
    EXPECT_EQ(screen->minimumSize(), screen->maximumSize());  // fixed size

    auto* title = Find<QLabel>(screen.get(), "lblTitolo");
    auto* box = Find<QLineEdit>(screen.get(), info.box);
    auto* controlla = Find<QPushButton>(screen.get(), "btnControlla");
    auto* chiudi = Find<QPushButton>(screen.get(), "btnChiudi");
    Find(screen.get(), "imgLogo");
    ASSERT_TRUE(title && box && controlla && chiudi);
    EXPECT_EQ(title->text(), info.title);
    EXPECT_EQ(controlla->text(), "Controlla");
    EXPECT_EQ(chiudi->text(), "Chiudi");
    EXPECT_TRUE(box->font().bold());
    EXPECT_EQ(ScreenKit::Of(screen.get())->TypingLimit(info.box), info.maxLength);
    EXPECT_TRUE(box->hasFocus());

    // Everything lies inside the dialog and nothing overlaps.
    const QRect area = screen->rect();
    const QWidget* controls[] = {title, box, controlla, chiudi};
    for (const QWidget* c : controls) {
        EXPECT_TRUE(area.contains(c->geometry())) << c->objectName().toStdString();
        for (const QWidget* other : controls) {
            if (other != c) {
                EXPECT_FALSE(c->geometry().intersects(other->geometry()));
            }
        }
    }
    EXPECT_GE(title->height(), title->heightForWidth(title->width()));
    if (qEnvironmentVariableIsSet("CORVELO_SCREENSHOTS")) {
        box->setText(QStringLiteral("1234567890"));
        screen->grab().save(qEnvironmentVariable("CORVELO_SCREENSHOTS") + "/" + info.name + ".png");
    }

    // Enter in the box moves the focus to the check button without pressing it.
    test::Press(box, Qt::Key_Return);
    EXPECT_TRUE(controlla->hasFocus());
    EXPECT_TRUE(services.messages.empty());
    chiudi->click();
    EXPECT_FALSE(screen->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Screens, CheckScreenLook, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

struct Case {
    const char* label;
    CheckKind kind;
    QString value;      // given by the caller
    MessageKind shown;  // ignored when message is empty
    QString message;    // empty: no box at all
    bool closes;
};

class CheckScreenCase : public test::ScreenTest, public ::testing::WithParamInterface<Case> {};

TEST_P(CheckScreenCase, ShowsTheMessageAndClosesOrStays) {
    const Case& c = GetParam();
    auto screen = Make(c.kind, services);
    screen->SetValue(c.value);
    test::ShowActive(screen.get());
    auto* box = Find<QLineEdit>(screen.get(), InfoOf(c.kind).box);
    auto* controlla = Find<QPushButton>(screen.get(), "btnControlla");
    controlla->setFocus();
    controlla->click();

    if (c.message.isEmpty()) {
        EXPECT_TRUE(services.messages.empty());
    } else {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0], (test::ShownMessage{c.shown, c.message}));
    }
    EXPECT_EQ(screen->isVisible(), !c.closes);
    if (!c.closes) {
        EXPECT_TRUE(box->hasFocus());
    } else {
        EXPECT_EQ(screen->result(), QDialog::Accepted);
    }
}

const QString kCardVisa = Q(kMsgCartaValidaA) + "4111111111111111" + Q(kMsgCartaValidaB) + "Visa.";

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckScreenCase,
    ::testing::Values(
        Case{"cf_valid", CheckKind::CodiceFiscale, "RSSMRA85T10A562S", MessageKind::Information,
             Q(kMsgCodFiscValido), true},
        Case{"cf_lower_case", CheckKind::CodiceFiscale, "rssmra85t10a562s",
             MessageKind::Information, Q(kMsgCodFiscValido), true},
        Case{"cf_wrong", CheckKind::CodiceFiscale, "RSSMRA85T10A562T", MessageKind::Warning,
             Q(kMsgCodFiscErrato), true},
        Case{"cf_empty", CheckKind::CodiceFiscale, "", MessageKind::Warning,
             Q(kMsgCodFiscLunghezza), false},
        Case{"cf_fifteen", CheckKind::CodiceFiscale, "RSSMRA85T10A562", MessageKind::Warning,
             Q(kMsgCodFiscLunghezza), false},
        // A longer code from the caller is held whole, not cut into a valid one.
        Case{"cf_seventeen_from_caller", CheckKind::CodiceFiscale, "RSSMRA85T10A562SX",
             MessageKind::Warning, Q(kMsgCodFiscLunghezza), false},
        Case{"iva_roma", CheckKind::PartitaIva, "12345670587", MessageKind::Information,
             Q(kMsgIvaValidaPrefisso) + "Roma 1.", true},
        Case{"iva_no_office", CheckKind::PartitaIva, "12345670009", MessageKind::Information,
             Q(kMsgIvaValidaPrefisso) + ".", true},
        Case{"iva_wrong", CheckKind::PartitaIva, "12345670588", MessageKind::Warning,
             Q(kMsgIvaErrata), true},
        Case{"iva_letter", CheckKind::PartitaIva, "1234567058A", MessageKind::Warning,
             Q(kMsgIvaErrata), true},
        Case{"iva_ten", CheckKind::PartitaIva, "1234567058", MessageKind::Warning,
             Q(kMsgIvaLunghezza), false},
        Case{"iban_valid", CheckKind::Iban, "IT60X0542811101000000123456", MessageKind::Information,
             Q(kMsgIbanValido), true},
        Case{"iban_swapped", CheckKind::Iban, "IT60X0542811101000000123465", MessageKind::Warning,
             Q(kMsgIbanErrato), true},
        Case{"iban_groups", CheckKind::Iban, "IT60 X054 2811 1010 0000 0123 456",
             MessageKind::Warning, Q(kMsgIbanLunghezza), false},
        Case{"iban_26", CheckKind::Iban, "IT60X054281110100000012345", MessageKind::Warning,
             Q(kMsgIbanLunghezza), false},
        Case{"carta_visa", CheckKind::Carta, "4111111111111111", MessageKind::Information,
             kCardVisa, true},
        Case{"carta_wrong", CheckKind::Carta, "4111111111111112", MessageKind::Warning,
             Q(kMsgCartaErrata), true},
        Case{"carta_32_says_nothing", CheckKind::Carta, "320000000000003", MessageKind::Plain, "",
             true},
        Case{"carta_empty", CheckKind::Carta, "", MessageKind::Warning, Q(kMsgCartaVuota), false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(CheckBoxes, CodiceFiscaleBoxUpperCasesAndTrimsWhileTyping) {
    TfrmCodFisc screen(services);
    test::ShowActive(&screen);
    auto* box = Find<QLineEdit>(&screen, "txtCodFisc");
    test::Type(box, " rssmra85t10a562s ");
    EXPECT_EQ(box->text(), "RSSMRA85T10A562S");
    test::Type(box, "x");  // the box is full
    EXPECT_EQ(box->text(), "RSSMRA85T10A562S");
}

TEST_F(CheckBoxes, IbanBoxUpperCasesAndKeepsTheCursor) {
    TfrmIban screen(services);
    test::ShowActive(&screen);
    auto* box = Find<QLineEdit>(&screen, "txtIban");
    test::Type(box, "it60x05428");
    box->setCursorPosition(2);
    test::Type(box, "ab");
    EXPECT_EQ(box->text(), "ITAB60X05428");
    EXPECT_EQ(box->cursorPosition(), 4);
}

TEST_F(CheckBoxes, DigitBoxesSwallowOtherKeys) {
    TfrmPartitaIva iva(services);
    test::ShowActive(&iva);
    auto* ivaBox = Find<QLineEdit>(&iva, "txtPartitaIva");
    test::Type(ivaBox, "12a3-4 5.");
    EXPECT_EQ(ivaBox->text(), "12345");
    iva.close();

    TfrmCarta carta(services);
    test::ShowActive(&carta);
    auto* numero = Find<QLineEdit>(&carta, "txtNumero");
    test::Type(numero, "41x11 1111");
    EXPECT_EQ(numero->text(), "41111111");
}

// A pasted number passes the key filter as typed keys do; a number from the
// caller is shown as given, only trimmed.
TEST_F(CheckBoxes, CardBoxFiltersAPastedNumberAndTrimsTheCallersOne) {
    TfrmCarta screen(services);
    test::ShowActive(&screen);
    auto* numero = Find<QLineEdit>(&screen, "txtNumero");
    numero->insert("  4111 1111-1111 1111  ");
    EXPECT_EQ(numero->text(), "4111111111111111");
    screen.SetValue("  4111 1111 1111 1111  ");
    EXPECT_EQ(numero->text(), "4111 1111 1111 1111");
}

TEST_F(CheckBoxes, CallerValueLongerThanTheBoxIsHeldUntilShortened) {
    TfrmIban screen(services);
    screen.SetValue("IT60 X054 2811 1010 0000 0123 456");
    test::ShowActive(&screen);
    auto* box = Find<QLineEdit>(&screen, "txtIban");
    EXPECT_EQ(box->text(), "IT60 X054 2811 1010 0000 0123 456");
    box->setText("IT60X0542811101000000123456");
    test::Type(box, "7");  // back within its length, the box keeps to it
    EXPECT_EQ(box->text(), "IT60X0542811101000000123456");
}

TEST_F(CheckBoxes, TaxCodeButtonOpensTheScreenByTheText) {
    struct Opening {
        QString box;
        QString screen;
        QString boxName;
        QString text;
    };
    const Opening openings[] = {
        {"", "TfrmCodFisc", "txtCodFisc", ""},
        {" 12345670587 ", "TfrmPartitaIva", "txtPartitaIva", "12345670587"},
        {" rssmra85t10a562s", "TfrmCodFisc", "txtCodFisc", "RSSMRA85T10A562S"},
    };
    for (const Opening& o : openings) {
        QString seenScreen, seenText;
        test::OnNextModal([&](QWidget* modal) {
            seenScreen = modal->objectName();
            if (auto* box = modal->findChild<QLineEdit*>(o.boxName)) seenText = box->text();
            modal->close();
        });
        ShowTaxCodeCheck(nullptr, services, o.box);
        EXPECT_EQ(seenScreen, o.screen) << o.box.toStdString();
        EXPECT_EQ(seenText, o.text) << o.box.toStdString();
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CheckBoxes, OpenedWithTheTrimmedTextAndDestroyedAfterwards) {
    QPointer<QWidget> opened;
    QString seenText;
    test::OnNextModal([&](QWidget* modal) {
        opened = modal;
        seenText = Find<QLineEdit>(modal, "txtPartitaIva")->text();
        Find<QPushButton>(modal, "btnControlla")->click();
    });
    ShowCheck(nullptr, services, CheckKind::PartitaIva, "  12345670587 ");
    EXPECT_EQ(seenText, "12345670587");
    EXPECT_EQ(services.LastMessage(), Q(kMsgIvaValidaPrefisso) + "Roma 1.");
    EXPECT_TRUE(opened.isNull());
}

}  // namespace
}  // namespace corvelo

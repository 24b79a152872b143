#include "gui/app/conventions.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "gui/app/widgets.h"
#include "support/case_names.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

// A small screen with one box of every kind, a chain through them and two
// buttons with hints.
class ConventionsTest : public test::ScreenTest {
  protected:
    static constexpr BoxRule kBoxes[] = {
        {"txtNome", BoxKind::Plain, 10},          {"txtTassa", BoxKind::Amount, 10},
        {"txtPrezzo01", BoxKind::LineAmount, 10}, {"txtIva", BoxKind::Digits, 11},
        {"txtCodFisc", BoxKind::Upper, 16},       {"txtEmail", BoxKind::Trimmed, 50},
        {"txtProv", BoxKind::Province},
    };
    static constexpr EnterStep kEnter[] = {
        {"txtNome", "txtTassa"},   {"txtTassa", "txtPrezzo01"}, {"txtPrezzo01", "txtIva"},
        {"txtIva", "txtCodFisc"},  {"txtCodFisc", "txtEmail"},  {"txtEmail", "txtProv"},
        {"txtProv", "cmdCalcola"},
    };
    static constexpr HintRule kHints[] = {{"cmdCalcola", "Calcola gli importi totali."},
                                          {"cmdSalva", "Salva la scheda corrente in archivio."}};

    ConventionsTest() {
        screen.setObjectName(QStringLiteral("TfrmProva"));
        auto* panel = new QWidget(&screen);
        panel->setObjectName(QStringLiteral("panDati"));
        auto* column = new QVBoxLayout(panel);
        for (const BoxRule& rule : kBoxes) {
            const QString name = QString::fromLatin1(rule.name);
            if (rule.kind == BoxKind::Province) {
                column->addWidget(new ProvinceBox(name, panel));
            } else {
                auto* box = new QLineEdit(panel);
                box->setObjectName(name);
                column->addWidget(box);
            }
        }
        calcola = new QPushButton(QStringLiteral("CALCOLA >>"), panel);
        calcola->setObjectName(QStringLiteral("cmdCalcola"));
        column->addWidget(calcola);
        auto* salva = new QPushButton(QStringLiteral("Salva"), panel);
        salva->setObjectName(QStringLiteral("cmdSalva"));
        column->addWidget(salva);
        auto* page = new QVBoxLayout(&screen);
        page->addWidget(panel);
        page->addWidget(MakeStatusLine(QStringLiteral("Pronto..."), &screen));
        QObject::connect(calcola, &QPushButton::clicked, [this] { ++calcolaClicks; });
        kit = AttachConventions(&screen, {kBoxes, kEnter, kHints});
        test::ShowActive(&screen);
    }

    QLineEdit* Box(const char* name) { return Find<QLineEdit>(&screen, QLatin1String(name)); }

    QWidget screen;
    QPushButton* calcola = nullptr;
    ScreenKit* kit = nullptr;
    int calcolaClicks = 0;
};

// Key filter of the numeric kinds, one row per key.
struct KeyCase {
    BoxKind kind;
    Qt::Key key;
    const char* text;
    bool passes;
};

class KeyFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilterTest, LetsThroughOnlyItsKeys) {
    const KeyCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier, QString::fromLatin1(c.text));
    EXPECT_EQ(KeyPasses(c.kind, event), c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KeyFilterTest,
    ::testing::Values(KeyCase{BoxKind::Amount, Qt::Key_5, "5", true},
                      KeyCase{BoxKind::Amount, Qt::Key_Comma, ",", true},
                      KeyCase{BoxKind::Amount, Qt::Key_Backspace, "\b", true},
                      KeyCase{BoxKind::Amount, Qt::Key_Delete, "", true},
                      KeyCase{BoxKind::Amount, Qt::Key_Left, "", true},
                      KeyCase{BoxKind::Amount, Qt::Key_Right, "", true},
                      KeyCase{BoxKind::Amount, Qt::Key_Period, ".", false},
                      KeyCase{BoxKind::Amount, Qt::Key_Minus, "-", false},
                      KeyCase{BoxKind::Amount, Qt::Key_Tab, "\t", false},
                      KeyCase{BoxKind::Amount, Qt::Key_Home, "", false},
                      KeyCase{BoxKind::Amount, Qt::Key_End, "", false},
                      KeyCase{BoxKind::Amount, Qt::Key_Up, "", false},
                      KeyCase{BoxKind::Amount, Qt::Key_Down, "", false},
                      KeyCase{BoxKind::Amount, Qt::Key_A, "a", false},
                      KeyCase{BoxKind::Amount, Qt::Key_Space, " ", false},
                      KeyCase{BoxKind::LineAmount, Qt::Key_Comma, ",", true},
                      KeyCase{BoxKind::LineAmount, Qt::Key_Minus, "-", false},
                      KeyCase{BoxKind::Digits, Qt::Key_7, "7", true},
                      KeyCase{BoxKind::Digits, Qt::Key_Backspace, "\b", true},
                      KeyCase{BoxKind::Digits, Qt::Key_Comma, ",", false},
                      KeyCase{BoxKind::Digits, Qt::Key_Tab, "\t", false},
                      KeyCase{BoxKind::Digits, Qt::Key_Home, "", false},
                      KeyCase{BoxKind::Plain, Qt::Key_Tab, "\t", true},
                      KeyCase{BoxKind::Plain, Qt::Key_Minus, "-", true},
                      KeyCase{BoxKind::Upper, Qt::Key_A, "a", true}),
    ([](const auto& info) {
        static const char* const kKinds[] = {"Plain", "Amount", "LineAmount", "Digits", "Upper"};
        const auto kind = static_cast<std::size_t>(info.param.kind);
        const std::string key = QMetaEnum::fromType<Qt::Key>().valueToKey(info.param.key);
        return (kind < std::size(kKinds) ? std::string(kKinds[kind])
                                         : "Kind" + std::to_string(kind)) +
               "_" + testing::CaseName(key.substr(4));
    }));

// What an amount box shows after it is left, for both amount kinds.
struct AmountCase {
    const char* typed;
    const char* amount;  // BoxKind::Amount
    const char* line;    // BoxKind::LineAmount
};

class AmountLeaveTest : public ConventionsTest, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(AmountLeaveTest, NormalisesOnLeaving) {
    const AmountCase& c = GetParam();
    for (const char* name : {"txtTassa", "txtPrezzo01"}) {
        QLineEdit* box = Box(name);
        box->setText(QString::fromLatin1(c.typed));
        test::Focus(box);
        test::Leave(box);
        const char* expected = QLatin1String(name) == QLatin1String("txtTassa") ? c.amount : c.line;
        EXPECT_EQ(box->text(), QString::fromLatin1(expected)) << name << " typed " << c.typed;
    }
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, AmountLeaveTest,
    ::testing::Values(AmountCase{"12", "12,00", "12,00"}, AmountCase{"12,5", "12,50", "12,50"},
                      AmountCase{"3,14159", "3,1416", "3,1416"}, AmountCase{",5", "0,50", "0,50"},
                      AmountCase{"1,2,3", "0,00", "0,00"}, AmountCase{"0,00004", "0,00", "0,00"},
                      AmountCase{"0,00005", "0,0001", "0,0001"}, AmountCase{"", "0,00", ""},
                      AmountCase{"   ", "0,00", ""}, AmountCase{",", "0,00", "0,00"},
                      AmountCase{"102", "102,00", "102,00"},
                      // Longer than the box's limit of 10: the program's text is never cut.
                      AmountCase{"123456789", "123456789,00", "123456789,00"}),
    [](const auto& info) { return testing::Spelled(info.param.typed); });

TEST_F(ConventionsTest, TypingIntoAmountBoxDropsPointMinusAndLetters) {
    QLineEdit* tassa = Box("txtTassa");
    test::Type(tassa, QStringLiteral("-1.2a,5"));
    EXPECT_EQ(tassa->text(), QStringLiteral("12,5"));
    test::Press(tassa, Qt::Key_Home);
    test::Type(tassa, QStringLiteral("9"));
    EXPECT_EQ(tassa->text(), QStringLiteral("12,59")) << "Home must not move the cursor";
    test::Press(tassa, Qt::Key_Tab);
    EXPECT_TRUE(tassa->hasFocus()) << "Tab must not leave an amount box";
}

TEST_F(ConventionsTest, DigitsBoxKeepsOnlyDigits) {
    QLineEdit* iva = Box("txtIva");
    test::Type(iva, QStringLiteral("12,3-4 5a6"));
    EXPECT_EQ(iva->text(), QStringLiteral("123456"));
}

// The maximum length limits what the user puts in, never what the program
// shows: a loaded or normalised text stays whole.
TEST_F(ConventionsTest, MaximumLengthLimitsTypingAndPastingOnly) {
    QLineEdit* nome = Box("txtNome");
    test::Type(nome, QStringLiteral("Rossi Mario Srl"));
    EXPECT_EQ(nome->text(), QStringLiteral("Rossi Mari"));
    nome->setText(QStringLiteral("Bianchi Giuseppe"));
    EXPECT_EQ(nome->text(), QStringLiteral("Bianchi Giuseppe"));
    test::Type(nome, QStringLiteral("x"));
    EXPECT_EQ(nome->text(), QStringLiteral("Bianchi Giuseppe")) << "full: nothing more goes in";
    test::Press(nome, Qt::Key_Backspace);
    EXPECT_EQ(nome->text(), QStringLiteral("Bianchi Giusepp")) << "deleting still works";

    nome->setText(QStringLiteral("Rossi"));
    nome->setCursorPosition(0);
    nome->insert(QStringLiteral("Dott. Mario "));  // a paste or a drop of 12 characters
    EXPECT_EQ(nome->text(), QStringLiteral("Dott.Rossi"));
    EXPECT_EQ(nome->cursorPosition(), 5);

    auto* prov = Find<ProvinceBox>(&screen, QStringLiteral("txtProv"));
    SetTextOf(prov, QStringLiteral("MIL"));
    EXPECT_EQ(TextOf(prov), QStringLiteral("MIL"));
    EXPECT_EQ(kit->TypingLimit(QStringLiteral("txtProv")), 2);
    EXPECT_EQ(kit->TypingLimit(QStringLiteral("txtIva")), 11);
}

// Pasted text passes the box's key filter character by character, as typing
// the same characters would; the clipboard and the context menu's paste
// both end in QLineEdit::paste.
TEST_F(ConventionsTest, PastedTextPassesTheKeyFilter) {
    const struct {
        const char* box;
        const char* pasted;
        const char* shown;
    } cases[] = {
        {"txtTassa", "1.234,5", "1234,5"},
        {"txtPrezzo01", "-12,50 EUR", "12,50"},
        {"txtIva", "IT 0123-4567 890", "01234567890"},
        {"txtCodFisc", " rss mra ", "RSS MRA"},
        {"txtNome", "1.234,5", "1.234,5"},
    };
    for (const auto& c : cases) {
        QLineEdit* box = Box(c.box);
        box->clear();
        test::Focus(box);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        box->paste();
        EXPECT_EQ(box->text(), QString::fromUtf8(c.shown)) << c.box;
    }
    QLineEdit* tassa = Box("txtTassa");
    test::Leave(tassa);
    EXPECT_EQ(tassa->text(), QStringLiteral("1234,50"));
    // A selection replaced by a paste keeps the rest of the text.
    tassa->setText(QStringLiteral("12,50"));
    tassa->setSelection(0, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("3.4"));
    tassa->paste();
    EXPECT_EQ(tassa->text(), QStringLiteral("34,50"));
}

TEST_F(ConventionsTest, EnterFollowsTheChainAndStopsOnTheButtonWithoutPressingIt) {
    const char* order[] = {"txtNome",    "txtTassa", "txtPrezzo01", "txtIva",
                           "txtCodFisc", "txtEmail", "txtProv",     "cmdCalcola"};
    test::Focus(Box("txtNome"));
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget* current = QApplication::focusWidget();
        ASSERT_NE(current, nullptr);
        QTest::keyClick(current, Qt::Key_Return);
        QWidget* now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr);
        // An editable combo box hands the focus to its line edit.
        const QWidget* owner =
            qobject_cast<QComboBox*>(now->parentWidget()) ? now->parentWidget() : now;
        EXPECT_EQ(owner->objectName(), QLatin1String(order[i + 1])) << "after " << order[i];
    }
    EXPECT_EQ(calcolaClicks, 0);
    // Once there, Enter presses it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(calcolaClicks, 1);
    EXPECT_TRUE(calcola->hasFocus());
}

// Enter presses whatever button has the focus, on any window, also one with
// no conventions attached; check boxes are not buttons to press.
TEST_F(ConventionsTest, EnterPressesTheFocusedButtonOnEveryWindow) {
    QWidget other;
    auto* push = new QPushButton(QStringLiteral("Trova"), &other);
    auto* picture =
        new PictureButton(QStringLiteral("cmdSalva"), QStringLiteral(":/pictures/salva.svg"),
                          QSize(30, 30), {}, &other);
    auto* check = new QCheckBox(QStringLiteral("Saldata"), &other);
    auto* layout = new QVBoxLayout(&other);
    layout->addWidget(push);
    layout->addWidget(picture);
    layout->addWidget(check);
    int pushed = 0, pictured = 0;
    QObject::connect(push, &QPushButton::clicked, [&] { ++pushed; });
    QObject::connect(picture, &QAbstractButton::clicked, [&] { ++pictured; });
    test::ShowActive(&other);

    test::Press(push, Qt::Key_Return);
    test::Press(push, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pushed, 2);
    picture->setFocus(Qt::OtherFocusReason);  // reached by an Enter chain
    test::Press(picture, Qt::Key_Return);
    EXPECT_EQ(pictured, 1);
    test::Press(check, Qt::Key_Return);
    EXPECT_FALSE(check->isChecked());
    push->setEnabled(false);
    QTest::keyClick(push, Qt::Key_Return);
    EXPECT_EQ(pushed, 2);
}

TEST_F(ConventionsTest, EnterOnAnAmountBoxNormalisesItOnTheWayOut) {
    QLineEdit* tassa = Box("txtTassa");
    test::Type(tassa, QStringLiteral("2"));
    QTest::keyClick(tassa, Qt::Key_Enter);
    EXPECT_EQ(tassa->text(), QStringLiteral("2,00"));
    EXPECT_TRUE(Box("txtPrezzo01")->hasFocus());
}

TEST_F(ConventionsTest, TypingIntoABoxReachedByEnterReplacesItsText) {
    QLineEdit* tassa = Box("txtTassa");
    Box("txtPrezzo01")->setText(QStringLiteral("0,00"));
    test::Type(tassa, QStringLiteral("2"));
    QTest::keyClick(tassa, Qt::Key_Enter);
    QTest::keyClicks(Box("txtPrezzo01"), QStringLiteral("12"));
    EXPECT_EQ(Box("txtPrezzo01")->text(), QStringLiteral("12"));
}

TEST_F(ConventionsTest, OnEnterAndOnKeyActionsRun) {
    int enters = 0;
    int keys = 0;
    kit->OnEnter(QStringLiteral("txtNome"), [&] { ++enters; });
    kit->OnKey(QStringLiteral("txtTassa"), [&] { ++keys; });
    test::Press(Box("txtNome"), Qt::Key_Return);
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(Box("txtNome")->hasFocus()) << "the action replaces the chain step";
    test::Type(Box("txtTassa"), QStringLiteral("1x"));
    EXPECT_EQ(keys, 2) << "discarded keys count too";
}

TEST_F(ConventionsTest, FocusRectangleFollowsTheFocus) {
    QLineEdit* cf = Box("txtCodFisc");
    auto* eff = Find<FocusRect>(&screen, QStringLiteral("effCodFisc"));
    ASSERT_NE(eff, nullptr);
    EXPECT_FALSE(eff->isVisible()) << "hidden until the box has the focus";
    EXPECT_EQ(eff->geometry(), cf->geometry());
    EXPECT_EQ(eff->parentWidget(), cf->parentWidget());
    test::Focus(cf);
    EXPECT_TRUE(eff->isVisible());
    test::Press(cf, Qt::Key_Return);
    EXPECT_FALSE(eff->isVisible());
    EXPECT_TRUE(Find<FocusRect>(&screen, QStringLiteral("effEmail"))->isVisible());
    cf->resize(cf->width() + 30, cf->height());
    EXPECT_EQ(eff->geometry(), cf->geometry());
    // Every box of the table got its rectangle, the province box included.
    for (const BoxRule& rule : kBoxes) {
        EXPECT_NE(screen.findChild<FocusRect*>(QStringLiteral("eff") +
                                               QString::fromLatin1(rule.name).mid(3)),
                  nullptr)
            << rule.name;
    }
}

// While a dialog is open the screen's focus can move without the old box
// being told; when the focus comes back only the new box is highlighted, and
// the old one is left as if the user had left it (amounts normalised).
TEST_F(ConventionsTest, FocusMovedWhileInactiveLeavesOnlyOneHighlight) {
    QLineEdit* tassa = Box("txtTassa");
    QLineEdit* nome = Box("txtNome");
    test::Focus(tassa);
    tassa->setText(QStringLiteral("2"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(tassa, &away);
    EXPECT_TRUE(Find<FocusRect>(&screen, QStringLiteral("effTassa"))->isVisible())
        << "a dialog taking the focus for a while is not leaving the box";
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(nome, &back);
    EXPECT_FALSE(Find<FocusRect>(&screen, QStringLiteral("effTassa"))->isVisible());
    EXPECT_TRUE(Find<FocusRect>(&screen, QStringLiteral("effNome"))->isVisible());
    EXPECT_EQ(tassa->text(), QStringLiteral("2,00"));
}

TEST_F(ConventionsTest, UpperAndTrimmedBoxesChangeWhileTyping) {
    QLineEdit* cf = Box("txtCodFisc");
    test::Type(cf, QStringLiteral(" rss m"));
    EXPECT_EQ(cf->text(), QStringLiteral("RSSM")) << "blanks at the ends vanish at once";
    cf->clear();
    test::Type(cf, QStringLiteral("àb"));
    EXPECT_EQ(cf->text(), QStringLiteral("àB")) << "only a-z change case";
    QLineEdit* email = Box("txtEmail");
    test::Type(email, QStringLiteral("Mario@Esempio.it "));
    EXPECT_EQ(email->text(), QStringLiteral("Mario@Esempio.it"));
}

TEST_F(ConventionsTest, ProvinceBoxUpperCasesAndAcceptsAnyTwoCharacters) {
    auto* prov = Find<ProvinceBox>(&screen, QStringLiteral("txtProv"));
    test::Type(prov, QStringLiteral("mi"));
    EXPECT_EQ(prov->currentText(), QStringLiteral("MI"));
    prov->SetText({});
    test::Type(prov, QStringLiteral("zzz"));
    EXPECT_EQ(prov->currentText(), QStringLiteral("ZZ")) << "not checked, at most 2 characters";
}

// A wheel turned over a closed province box must not change the code unseen.
TEST_F(ConventionsTest, ProvinceBoxIgnoresTheWheelWhileItsListIsClosed) {
    auto* prov = Find<ProvinceBox>(&screen, QStringLiteral("txtProv"));
    prov->SetText(QStringLiteral("MI"));
    test::Focus(prov);
    for (int delta : {120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), prov->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(prov, &wheel);
        EXPECT_EQ(prov->currentText(), QStringLiteral("MI")) << delta;
        EXPECT_FALSE(wheel.isAccepted()) << "the wheel goes on to the panel behind";
    }
}

TEST_F(ConventionsTest, ProvinceBoxListsTheCodesAndForgetsTheSelectionOnFocus) {
    auto* prov = Find<ProvinceBox>(&screen, QStringLiteral("txtProv"));
    // The list holds every code it names: 112, although it is spoken of as 110.
    ASSERT_EQ(prov->count(), 112);
    EXPECT_EQ(prov->itemText(0), QStringLiteral("AG"));
    EXPECT_EQ(prov->itemText(1), QStringLiteral("AL"));
    EXPECT_EQ(prov->itemText(111), QStringLiteral("VV"));
    prov->setCurrentIndex(prov->findText(QStringLiteral("TO")));
    test::Focus(Box("txtNome"));
    test::Focus(prov);
    EXPECT_EQ(prov->currentIndex(), -1);
    EXPECT_EQ(prov->currentText(), QStringLiteral("TO")) << "the text stays";
}

TEST_F(ConventionsTest, HintsFollowTheMouseAndBackgroundClearsThem) {
    auto* panInfo = Find<QLabel>(&screen, QStringLiteral("panInfo"));
    EXPECT_EQ(panInfo->text(), QStringLiteral("Pronto...")) << "idle text until the mouse moves";
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(calcola, &enter);
    EXPECT_EQ(panInfo->text(), QStringLiteral("Calcola gli importi totali."));
    QCoreApplication::sendEvent(Find(&screen, QStringLiteral("cmdSalva")), &enter);
    EXPECT_EQ(panInfo->text(), QStringLiteral("Salva la scheda corrente in archivio."));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(Find(&screen, QStringLiteral("panDati")), &move);
    EXPECT_EQ(panInfo->text(), QString());
}

TEST_F(ConventionsTest, TextOfReadsEveryKindOfControl) {
    auto* prov = Find<ProvinceBox>(&screen, QStringLiteral("txtProv"));
    SetTextOf(prov, QStringLiteral("RM"));
    EXPECT_EQ(TextOf(prov), QStringLiteral("RM"));
    EXPECT_EQ(prov->currentIndex(), -1);
    SetTextOf(Box("txtNome"), QStringLiteral("Rossi"));
    EXPECT_EQ(TextOf(Box("txtNome")), QStringLiteral("Rossi"));
}

}  // namespace
}  // namespace corvelo

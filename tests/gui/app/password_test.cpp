#include "gui/app/Password.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/Avvio.h"
#include "gui/app/shell.h"
#include "support/case_names.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

constexpr char kDefaultPasswordFile[] = "[Accesso]\r\nValore=C996054D58AB66\r\n";  // CORVELO

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadFailed = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");
const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
    "reinserire entrambi i valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");

class PasswordTest : public test::ScreenTest {
  protected:
    PasswordTest() {
        WritePasswordFile(kDefaultPasswordFile);
        shell.Start();
        test::ShowActive(shell.Password());
    }

    void WritePasswordFile(const QByteArray& bytes) {
        QFile file(services.DataPath(QStringLiteral("unins000.dll")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray PasswordFile() const {
        QFile file(services.DataPath(QStringLiteral("unins000.dll")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QLineEdit* Box(QWidget* screen, const char* name) {
        return Find<QLineEdit>(screen, QLatin1String(name));
    }
    QPushButton* Button(QWidget* screen, const char* name) {
        return Find<QPushButton>(screen, QLatin1String(name));
    }

    // Types into the password screen and presses OK; true when the start menu opened.
    bool Login(const QString& typed) {
        services.Clear();
        Box(shell.Password(), "txtPassword")->setText(typed);
        Button(shell.Password(), "cmdOK")->click();
        const bool in = shell.Avvio()->isVisible();
        if (in) {
            shell.Avvio()->hide();
            shell.Password()->ShowAgain();
        }
        return in;
    }

    // Opens the change screen and fills its three boxes.
    TfrmCambiaPassword* Change(const QString& old, const QString& fresh, const QString& again) {
        services.Clear();
        Button(shell.Password(), "btnCambiaPassword")->click();
        TfrmCambiaPassword* screen = shell.CambiaPassword();
        Box(screen, "txtPasswordOld")->setText(old);
        Box(screen, "txtPasswordNew")->setText(fresh);
        Box(screen, "txtConferma")->setText(again);
        return screen;
    }

    AppShell shell{services};
};

TEST_F(PasswordTest, PasswordScreenHasItsControls) {
    TfrmPassword* screen = shell.Password();
    EXPECT_EQ(Find<QLabel>(screen, QStringLiteral("lblRigo05"))->text(),
              QStringLiteral("Immetti la password e premi OK."));
    EXPECT_EQ(Box(screen, "txtPassword")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(Button(screen, "cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Button(screen, "cmdEsci")->text(), QStringLiteral("Esci"));
    EXPECT_EQ(Button(screen, "btnCambiaPassword")->text(), QStringLiteral("Cambia password"));
    EXPECT_FALSE(Button(screen, "cmdOK")->isEnabled());
    EXPECT_TRUE(Box(screen, "txtPassword")->hasFocus());
    for (const char* name : {"effPassword", "lblMemory", "imgLogo", "icoMano"}) {
        EXPECT_NE(screen->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    }
    EXPECT_FALSE(Find(screen, QStringLiteral("lblMemory"))->isVisible());
}

TEST_F(PasswordTest, OkIsEnabledOnlyByANonBlankPassword) {
    QLineEdit* box = Box(shell.Password(), "txtPassword");
    QPushButton* ok = Button(shell.Password(), "cmdOK");
    test::Type(box, QStringLiteral("  "));
    EXPECT_FALSE(ok->isEnabled());
    test::Type(box, QStringLiteral("x"));
    EXPECT_TRUE(ok->isEnabled());
    test::Press(box, Qt::Key_Backspace);
    EXPECT_FALSE(ok->isEnabled());
}

// The stored password is CORVELO: case and surrounding blanks do not matter.
struct LoginCase {
    const char* typed;
    bool accepted;
};

class LoginTest : public PasswordTest, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginTest, ComparesTheUpperCasedTrimmedText) {
    const LoginCase& c = GetParam();
    EXPECT_EQ(Login(QString::fromUtf8(c.typed)), c.accepted) << c.typed;
    if (!c.accepted) {
        EXPECT_EQ(services.MessageTexts(), QStringList{kWrong});
        EXPECT_EQ(services.messages[0].kind, MessageKind::Plain);
        EXPECT_TRUE(Box(shell.Password(), "txtPassword")->text().isEmpty());
        EXPECT_TRUE(Box(shell.Password(), "txtPassword")->hasFocus());
    } else {
        EXPECT_TRUE(services.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LoginTest,
                         ::testing::Values(LoginCase{"CORVELO", true}, LoginCase{"corvelo", true},
                                           LoginCase{"CorVeLo", true},
                                           LoginCase{"  corvelo  ", true},
                                           LoginCase{"corvel", false}, LoginCase{"corvelo1", false},
                                           LoginCase{"cor velo", false}),
                         [](const auto& info) {
                             return testing::Spelled(info.param.typed) +
                                    (info.param.accepted ? "_accepted" : "_refused");
                         });

TEST_F(PasswordTest, EnterLogsInOnlyWithText) {
    QLineEdit* box = Box(shell.Password(), "txtPassword");
    test::Type(box, QStringLiteral("   "));
    test::Press(box, Qt::Key_Return);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(shell.Password()->isVisible());
    test::Type(box, QStringLiteral("corvelo"));
    test::Press(box, Qt::Key_Return);
    EXPECT_TRUE(shell.Avvio()->isVisible());
    EXPECT_FALSE(shell.Password()->isVisible());
}

TEST_F(PasswordTest, MissingPasswordFileLetsNobodyIn) {
    QFile::remove(services.DataPath(QStringLiteral("unins000.dll")));
    EXPECT_FALSE(Login(QStringLiteral("corvelo")));
    EXPECT_EQ(services.MessageTexts(), QStringList{kWrong});
    EXPECT_FALSE(QFile::exists(services.DataPath(QStringLiteral("unins000.dll"))));
}

TEST_F(PasswordTest, StoredValueThatIsNotHexadecimalReportsAReadError) {
    WritePasswordFile("[Accesso]\r\nValore=C9ZZ\r\n");
    EXPECT_FALSE(Login(QStringLiteral("corvelo")));
    EXPECT_EQ(services.MessageTexts(), QStringList{kReadFailed});
}

TEST_F(PasswordTest, ChangeScreenOpensEmptyWithItsControls) {
    TfrmCambiaPassword* screen =
        Change(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    shell.ReturnToPassword();
    Button(shell.Password(), "btnCambiaPassword")->click();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(shell.Password()->isVisible());
    for (const char* name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"}) {
        EXPECT_TRUE(Box(screen, name)->text().isEmpty()) << name;
        EXPECT_EQ(Box(screen, name)->echoMode(), QLineEdit::Password) << name;
    }
    EXPECT_EQ(Button(screen, "cmdEsci")->text(), QStringLiteral("Chiudi"));
    EXPECT_FALSE(Button(screen, "cmdOK")->isEnabled());
    test::ShowActive(screen);
    EXPECT_TRUE(Box(screen, "txtPasswordOld")->hasFocus());
}

TEST_F(PasswordTest, ChangeOkNeedsAllThreeBoxes) {
    TfrmCambiaPassword* screen = Change(QStringLiteral("corvelo"), QStringLiteral("x"), {});
    QPushButton* ok = Button(screen, "cmdOK");
    EXPECT_FALSE(ok->isEnabled());
    Box(screen, "txtConferma")->setText(QStringLiteral("  "));
    EXPECT_FALSE(ok->isEnabled());
    Box(screen, "txtConferma")->setText(QStringLiteral("x"));
    EXPECT_TRUE(ok->isEnabled());
    Box(screen, "txtPasswordOld")->clear();
    EXPECT_FALSE(ok->isEnabled());
}

TEST_F(PasswordTest, EnterCyclesThroughTheThreeBoxes) {
    TfrmCambiaPassword* screen = Change({}, {}, {});
    test::ShowActive(screen);
    const char* order[] = {"txtPasswordOld", "txtPasswordNew", "txtConferma", "txtPasswordOld"};
    test::Focus(Box(screen, order[0]));
    for (int i = 0; i < 3; ++i) {
        test::Press(Box(screen, order[i]), Qt::Key_Return);
        EXPECT_TRUE(Box(screen, order[i + 1])->hasFocus()) << "after " << order[i];
    }
}

TEST_F(PasswordTest, WrongOldPasswordEmptiesOnlyThatBox) {
    TfrmCambiaPassword* screen =
        Change(QStringLiteral("sbagliata"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    test::ShowActive(screen);
    Button(screen, "cmdOK")->click();
    EXPECT_EQ(services.MessageTexts(), QStringList{kOldWrong});
    EXPECT_TRUE(Box(screen, "txtPasswordOld")->text().isEmpty());
    EXPECT_EQ(Box(screen, "txtPasswordNew")->text(), QStringLiteral("nuova"));
    EXPECT_TRUE(Box(screen, "txtPasswordOld")->hasFocus());
    EXPECT_EQ(PasswordFile(), QByteArray(kDefaultPasswordFile));
}

TEST_F(PasswordTest, ConfirmationDifferingOnlyInCaseIsRefused) {
    TfrmCambiaPassword* screen =
        Change(QStringLiteral("corvelo"), QStringLiteral("Segreta"), QStringLiteral("segreta"));
    test::ShowActive(screen);
    Button(screen, "cmdOK")->click();
    EXPECT_EQ(services.MessageTexts(), QStringList{kNotConfirmed});
    EXPECT_EQ(Box(screen, "txtPasswordOld")->text(), QStringLiteral("corvelo"));
    EXPECT_TRUE(Box(screen, "txtPasswordNew")->text().isEmpty());
    EXPECT_TRUE(Box(screen, "txtConferma")->text().isEmpty());
    EXPECT_TRUE(Box(screen, "txtPasswordNew")->hasFocus());
    EXPECT_EQ(PasswordFile(), QByteArray(kDefaultPasswordFile));
}

TEST_F(PasswordTest, ChangedPasswordIsStoredAndOnlyItOpensTheApplication) {
    TfrmCambiaPassword* screen =
        Change(QStringLiteral(" CorVelo "), QStringLiteral(" Segreta "), QStringLiteral("Segreta"));
    Button(screen, "cmdOK")->click();
    EXPECT_EQ(services.MessageTexts(), QStringList{kChanged});
    EXPECT_EQ(services.messages[0].kind, MessageKind::Plain);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(shell.Password()->isVisible());
    EXPECT_TRUE(Box(shell.Password(), "txtPassword")->text().isEmpty());
    EXPECT_TRUE(PasswordFile().contains("[Accesso]"));
    EXPECT_FALSE(Login(QStringLiteral("corvelo")));
    EXPECT_TRUE(Login(QStringLiteral("segreta")));
}

TEST_F(PasswordTest, LatinOnePasswordWithAccentsStillMatchesAfterTheChange) {
    TfrmCambiaPassword* screen =
        Change(QStringLiteral("corvelo"), QStringLiteral("città"), QStringLiteral("città"));
    Button(screen, "cmdOK")->click();
    EXPECT_EQ(services.MessageTexts(), QStringList{kChanged});
    EXPECT_TRUE(Login(QStringLiteral("CITTà")));
    EXPECT_FALSE(Login(QStringLiteral("CITTÀ"))) << "only a-z change case";
}

// A password the file could not hold faithfully is refused before anything
// is written: it would never match again.
class UnstorablePasswordTest : public PasswordTest,
                               public ::testing::WithParamInterface<QString> {};

TEST_P(UnstorablePasswordTest, IsRefusedAndTheFileIsKept) {
    TfrmCambiaPassword* screen = Change(QStringLiteral("corvelo"), GetParam(), GetParam());
    Button(screen, "cmdOK")->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Plain);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("Attenzione:")));
    EXPECT_NE(services.messages[0].text, kChanged);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(PasswordFile(), QByteArray(kDefaultPasswordFile));
    EXPECT_TRUE(Login(QStringLiteral("corvelo")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnstorablePasswordTest,
    ::testing::Values(QString(256, u'a'), QStringLiteral("prezzo€"), QStringLiteral("ΑΒΓ")),
    [](const auto& info) {
        // Named by what makes the password unstorable: its length or its letters.
        const QString& password = info.param;
        if (password.size() > 255) return std::string("longer_than_255");
        std::string name = "with";
        for (const QChar c : password) {
            if (c.unicode() > 0x7F)
                name += "_U" + QString::number(c.unicode(), 16).toUpper().toStdString();
        }
        return name;
    });

TEST_F(PasswordTest, LongestStorablePasswordIsAccepted) {
    const QString longest(255, u'k');
    TfrmCambiaPassword* screen = Change(QStringLiteral("corvelo"), longest, longest);
    Button(screen, "cmdOK")->click();
    EXPECT_EQ(services.MessageTexts(), QStringList{kChanged});
    EXPECT_TRUE(Login(longest));
}

TEST_F(PasswordTest, ClosingTheChangeScreenReturnsToAnEmptyPasswordScreen) {
    Box(shell.Password(), "txtPassword")->setText(QStringLiteral("qualcosa"));
    TfrmCambiaPassword* screen = Change({}, {}, {});
    Button(screen, "cmdEsci")->click();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(shell.Password()->isVisible());
    EXPECT_TRUE(Box(shell.Password(), "txtPassword")->text().isEmpty());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(PasswordFile(), QByteArray(kDefaultPasswordFile));
}

}  // namespace
}  // namespace corvelo

#include "gui/app/shell.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "core/app/instance_lock.h"
#include "gui/app/Avvio.h"
#include "gui/app/Guida.h"
#include "gui/app/Password.h"
#include "gui/app/widgets.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

// The default password file: "CORVELO" scrambled.
constexpr char kDefaultPasswordFile[] = "[Accesso]\r\nValore=C996054D58AB66\r\n";

class ShellTest : public test::ScreenTest {
  protected:
    ShellTest() { WriteFile(QStringLiteral("unins000.dll"), kDefaultPasswordFile); }

    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile file(services.DataPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    void Login(const QString& password) {
        TfrmPassword* screen = shell.Password();
        auto* box = Find<QLineEdit>(screen, QStringLiteral("txtPassword"));
        box->setText(password);
        Find<QPushButton>(screen, QStringLiteral("cmdOK"))->click();
    }

    AppShell shell{services};
};

TEST_F(ShellTest, StartCreatesMissingDataFilesAndKeepsExistingOnes) {
    WriteFile(QStringLiteral("Clienti.pro"), QByteArray(4043, 'x'));
    shell.Start();
    EXPECT_EQ(QFileInfo(services.DataPath(QStringLiteral("Clienti.pro"))).size(), 4043);
    ASSERT_TRUE(QFileInfo::exists(services.DataPath(QStringLiteral("Magazzino.pro"))));
    EXPECT_EQ(QFileInfo(services.DataPath(QStringLiteral("Magazzino.pro"))).size(), 0);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ShellTest, StartShowsThePasswordScreenFirst) {
    shell.Start();
    EXPECT_TRUE(shell.Password()->isVisible());
    EXPECT_FALSE(shell.Avvio()->isVisible());
    EXPECT_EQ(shell.Password()->windowTitle(), QStringLiteral(" Corvelo - Autenticazione"));
    EXPECT_EQ(shell.CambiaPassword()->windowTitle(), QStringLiteral(" Cambia password"));
    EXPECT_EQ(shell.Avvio()->windowTitle(), QStringLiteral("Corvelo"));
}

TEST_F(ShellTest, StartInAFolderThatCannotBeWrittenWarnsOnce) {
    test::FakeServices locked(QDir(services.DataFolder()).filePath(QStringLiteral("missing/dir")));
    AppShell other(locked);
    EXPECT_FALSE(other.Start());
    ASSERT_EQ(locked.messages.size(), 1u);
    EXPECT_EQ(locked.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(locked.messages[0].text.startsWith(
        QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r")));
}

TEST_F(ShellTest, StartMenuPicturesOfOneAreaAllEnterIt) {
    QWidget area;
    shell.SetWorkArea(WorkArea::Anagrafica, &area);
    shell.Start();
    Login(QStringLiteral("corvelo"));
    TfrmAvvio* avvio = shell.Avvio();
    ASSERT_TRUE(avvio->isVisible());
    EXPECT_FALSE(shell.Password()->isVisible());

    for (const char* name : {"imgAnagrafica", "btnAnagrafica", "infAnagrafica"}) {
        QWidget* control = Find(avvio, QLatin1String(name));
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_TRUE(area.isVisible()) << name;
        EXPECT_FALSE(avvio->isVisible()) << name;
        shell.ReturnToStartMenu(&area);
        EXPECT_FALSE(area.isVisible());
        EXPECT_TRUE(avvio->isVisible());
    }
}

TEST_F(ShellTest, ClosingAWorkAreaShowsTheStartMenuAgain) {
    WorkAreaWindow area(shell);
    shell.SetWorkArea(WorkArea::Ricevute, &area);
    shell.Start();
    Login(QStringLiteral("corvelo"));
    Find<PictureButton>(shell.Avvio(), QStringLiteral("imgRiepilogo"))->click();
    ASSERT_TRUE(area.isVisible());
    area.close();
    EXPECT_FALSE(area.isVisible());
    EXPECT_TRUE(shell.Avvio()->isVisible());
}

TEST_F(ShellTest, AnAreaWithoutScreenLeavesTheStartMenuShown) {
    shell.Start();
    Login(QStringLiteral("corvelo"));
    QSignalSpy missing(&shell, &AppShell::WorkAreaMissing);
    Find<PictureButton>(shell.Avvio(), QStringLiteral("imgBollettino"))->click();
    EXPECT_EQ(missing.count(), 1);
    EXPECT_TRUE(shell.Avvio()->isVisible());
}

TEST_F(ShellTest, EveryWayOutOfTheStartMenuOrPasswordScreenEndsTheApplication) {
    QSignalSpy ending(&shell, &AppShell::Ending);
    shell.Start();
    Find<QPushButton>(shell.Password(), QStringLiteral("cmdEsci"))->click();
    EXPECT_EQ(ending.count(), 1);
    shell.Password()->show();
    shell.Password()->close();
    EXPECT_EQ(ending.count(), 2);
    Login(QStringLiteral("corvelo"));
    Find<PictureButton>(shell.Avvio(), QStringLiteral("imgEsci"))->click();
    EXPECT_EQ(ending.count(), 3);
    shell.Avvio()->show();
    shell.Avvio()->close();
    EXPECT_EQ(ending.count(), 4);
}

TEST_F(ShellTest, SitePictureOpensTheMakersWebSite) {
    shell.Start();
    Login(QStringLiteral("corvelo"));
    Find<PictureButton>(shell.Avvio(), QStringLiteral("imgSito"))->click();
    EXPECT_EQ(services.shellOpens, QStringList{QStringLiteral("https://www.corvelo.it")});
}

// Clicks a link as the mouse does, checking its colour while pressed.
void ClickLink(QWidget* link) {
    auto* label = qobject_cast<LinkLabel*>(link);
    ASSERT_NE(label, nullptr);
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(label->Colour(), QColor(QStringLiteral("#FFA500")));
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(label->Colour(), QColor(QStringLiteral("#00008B")));
}

TEST_F(ShellTest, InformationWindowStartsTheMailMessageToTheMaker) {
    shell.Start();
    Login(QStringLiteral("corvelo"));
    QString title;
    test::OnNextModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        ClickLink(Find(dialog, QStringLiteral("lnkWeb")));
        // The picture beside the link does the same.
        QTest::mouseClick(Find(dialog, QStringLiteral("imgEmail")), Qt::LeftButton, {},
                          QPoint(3, 3));
        Find<QPushButton>(dialog, QStringLiteral("btnChiudi"))->click();
    });
    Find<PictureButton>(shell.Avvio(), QStringLiteral("imgInfo"))->click();
    EXPECT_EQ(title, QStringLiteral(" Informazioni su Corvelo"));
    const QString mail = QStringLiteral(
        "\"mailto:info@corvelo.it?subject=Software Corvelo&body=Salve, desidererei avere le "
        "seguenti informazioni sul software in oggetto:\"");
    EXPECT_EQ(services.shellOpens, (QStringList{mail, mail}));
}

TEST_F(ShellTest, AboutWindowLinksToTheWebSite) {
    shell.Start();
    Login(QStringLiteral("corvelo"));
    test::OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("TfrmSplash"));
        ClickLink(Find(dialog, QStringLiteral("lnkWeb")));
        Find<QPushButton>(dialog, QStringLiteral("btnChiudi"))->click();
    });
    Find<PictureButton>(shell.Avvio(), QStringLiteral("imgCopyright"))->click();
    EXPECT_EQ(services.shellOpens, QStringList{QStringLiteral("https://www.corvelo.it")});
}

TEST_F(ShellTest, HelpPictureShowsTheStartMenuPageAndOpensTheManual) {
    shell.Start();
    Login(QStringLiteral("corvelo"));
    QString caption, title, text;
    QSize size;
    test::OnNextModal([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        size = dialog->size();
        title = Find<QLabel>(dialog, QStringLiteral("lblTitolo"))->text();
        text = Find<QPlainTextEdit>(dialog, QStringLiteral("txtGuida"))->toPlainText();
        EXPECT_TRUE(Find<QPlainTextEdit>(dialog, QStringLiteral("txtGuida"))->isReadOnly());
        ClickLink(Find(dialog, QStringLiteral("lnkWeb")));
        Find<QPushButton>(dialog, QStringLiteral("btnChiudi"))->click();
    });
    Find<PictureButton>(shell.Avvio(), QStringLiteral("imgGuida"))->click();
    EXPECT_EQ(caption, QStringLiteral(" Guida all'utilizzo del software"));
    EXPECT_EQ(size, QSize(670, 572));
    EXPECT_EQ(title, QStringLiteral("Uno sguardo a Corvelo."));
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "Corvelo è un software facile e intuitivo studiato per associazioni o ditte non tenute "
        "al rilascio delle fatture che vendono prodotti di qualsiasi genere e/o offrono servizi "
        "come consulenze tecniche o professionali e hanno bisogno di un'applicazione per gestire "
        "il magazzino ed emettere ricevute per le quali non è prevista l'indicazione dell'IVA.")));
    EXPECT_EQ(services.shellOpens,
              QStringList{QStringLiteral("\"") +
                          QDir(services.DataFolder()).filePath(QStringLiteral("Guida.pdf")) +
                          QStringLiteral("\"")});
}

TEST(HelpWindow, StartsWithItsPlaceholderTitle) {
    test::TestApp();
    test::FakeServices services;
    TfrmGuida guida(services);
    EXPECT_EQ(Find<QLabel>(&guida, QStringLiteral("lblTitolo"))->text(),
              QStringLiteral("Argomento della guida."));
    EXPECT_EQ(Find<LinkLabel>(&guida, QStringLiteral("lnkWeb"))->text(),
              QStringLiteral("Visualizza guida in formato PDF"));
    EXPECT_NE(guida.findChild<QWidget*>(QStringLiteral("imgPDF")), nullptr);
}

// ---------------------------------------------------------------------------

// How a copy starts over the lock of its data folder: what it says and
// whether it goes on (the lock's own rules are tested in core).
class SingleCopyStart : public ::testing::Test {
  protected:
    std::filesystem::path Folder() const { return services.DataFolder().toStdU16String(); }
    QString LockFile() const { return services.DataPath(QStringLiteral("Corvelo.lock")); }
    QByteArray LockBytes() const {
        QFile file(LockFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteLock(const QByteArray& bytes) {
        QFile file(LockFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    test::FakeServices services;
};

TEST_F(SingleCopyStart, SecondCopyIsRefusedByAMessageNamingTheLockFile) {
    InstanceLock first(Folder());
    ASSERT_TRUE(TakeSingleCopyLock(first, services));
    EXPECT_TRUE(services.messages.empty());
    const QByteArray held = LockBytes();
    InstanceLock second(Folder());
    EXPECT_FALSE(TakeSingleCopyLock(second, services));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Plain);
    EXPECT_TRUE(services.messages[0].text.startsWith(
        QStringLiteral("Attenzione: Corvelo è già in esecuzione su questa cartella di lavoro.")));
    EXPECT_TRUE(services.messages[0].text.endsWith(QStringLiteral("\r\n\r\nFile di blocco: ") +
                                                   LockFile()));
    EXPECT_EQ(LockBytes(), held);
}

TEST_F(SingleCopyStart, LockOfAnotherComputerIsTakenOverUnlessTheAnswerIsNo) {
    const QByteArray theirs = "77\ncorvelo\naltro-pc\naltra-macchina\nb\n";
    WriteLock(theirs);
    {
        InstanceLock lock(Folder());
        services.answerNo = {true};
        EXPECT_FALSE(TakeSingleCopyLock(lock, services));
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0],
                  (test::ShownMessage{MessageKind::Confirmation,
                                      QString::fromStdString(OtherHostQuestion(lock))}));
        EXPECT_TRUE(services.messages[0].text.contains(LockFile()));
    }
    EXPECT_EQ(LockBytes(), theirs);
    services.Clear();
    InstanceLock lock(Folder());
    EXPECT_TRUE(TakeSingleCopyLock(lock, services));
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(lock.state(), LockState::kTaken);
    EXPECT_NE(LockBytes(), theirs);
}

TEST_F(SingleCopyStart, LeftoverLockThatCannotBeRemovedStartsWithoutAWord) {
    // A folder copied read-only with the lock of a copy that has ended.
    struct ReadOnlyFolder : LockEnvironment {
        bool IsRunning(std::int64_t, std::string_view) const override { return false; }
        bool Remove(const std::filesystem::path&) override { return false; }
    } env;
    WriteLock("77\ncorvelo\n");
    InstanceLock lock(Folder(), env);
    EXPECT_TRUE(TakeSingleCopyLock(lock, services));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(lock.state(), LockState::kUnguarded);
}

}  // namespace
}  // namespace corvelo

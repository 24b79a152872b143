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

class SingleCopyLockTest : public ::testing::Test {
  protected:
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir dir;
};

TEST_F(SingleCopyLockTest, SecondCopyOnTheSameFolderIsRefusedAndTouchesNothing) {
    SingleCopyLock first(dir.path());
    ASSERT_EQ(first.result(), SingleCopyLock::Result::Acquired);
    const QStringList before = Files();
    const QDateTime stamp =
        QFileInfo(QDir(dir.path()).filePath(SingleCopyLock::FileName())).lastModified();
    SingleCopyLock second(dir.path());
    EXPECT_EQ(second.result(), SingleCopyLock::Result::OtherCopyRunning);
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(QFileInfo(QDir(dir.path()).filePath(SingleCopyLock::FileName())).lastModified(),
              stamp);
}

TEST_F(SingleCopyLockTest, LockIsReleasedWhenTheCopyEnds) {
    { SingleCopyLock first(dir.path()); }
    SingleCopyLock again(dir.path());
    EXPECT_EQ(again.result(), SingleCopyLock::Result::Acquired);
}

TEST_F(SingleCopyLockTest, LockLeftByACrashedCopyDoesNotBlock) {
    // What a copy that died leaves behind: a lock naming a process that is gone.
    QFile stale(QDir(dir.path()).filePath(SingleCopyLock::FileName()));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999999\ncorvelo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleCopyLock next(dir.path());
    EXPECT_EQ(next.result(), SingleCopyLock::Result::Acquired);
}

TEST_F(SingleCopyLockTest, AnOldLockOfARunningCopyStillBlocks) {
    SingleCopyLock first(dir.path());
    ASSERT_EQ(first.result(), SingleCopyLock::Result::Acquired);
    QFile lock(QDir(dir.path()).filePath(SingleCopyLock::FileName()));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                 QFileDevice::FileModificationTime));
    lock.close();
    SingleCopyLock second(dir.path());
    EXPECT_EQ(second.result(), SingleCopyLock::Result::OtherCopyRunning);
}

}  // namespace
}  // namespace corvelo

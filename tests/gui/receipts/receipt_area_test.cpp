// The receipts menu, the numbering screen and the logo screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/receipts/receipt_numbering.h"
#include "gui/app/Avvio.h"
#include "gui/documents/receipt_form.h"
#include "gui/receipts/Logo.h"
#include "gui/receipts/MenuRicevute.h"
#include "gui/receipts/Numerazione.h"
#include "gui/receipts/Ricevute.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

std::filesystem::path Fs(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

void Click(QWidget* screen, const char* name) {
    Find<QAbstractButton>(screen, QLatin1String(name))->click();
}

// --- Receipts menu --------------------------------------------------------------

class MenuTest : public test::ScreenTest {
  protected:
    MenuTest() { shell.SetWorkArea(WorkArea::Ricevute, &menu); }
    AppShell shell{services};
    TfrmRicevute editor{services, shell};
    QWidget statistics;
    TfrmMenuRicevute menu{services, shell, editor, &statistics};
};

TEST_F(MenuTest, ShowingProposesTheClockYearAndAvvio) {
    services.today = QDate(2031, 6, 1);
    shell.EnterWorkArea(WorkArea::Ricevute);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(FormText(menu, "txtAnnoFatture"), QStringLiteral("2031"));
    EXPECT_EQ(FormText(menu, "lblMemory"), QStringLiteral("avvio"));
    Click(&menu, "imgEsci");
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(shell.Avvio()->isVisible());
}

TEST_F(MenuTest, YearMustHaveFourDigits) {
    shell.EnterWorkArea(WorkArea::Ricevute);
    for (const char* year : {"203", "", "20 4"}) {
        services.Clear();
        SetFormText(menu, "txtAnnoFatture", QLatin1String(year));
        Click(&menu, "btnApriFatture");
        ASSERT_EQ(services.messages.size(), 1u) << year;
        EXPECT_EQ(
            services.messages[0],
            (test::ShownMessage{
                MessageKind::Warning,
                QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.")}));
        EXPECT_TRUE(menu.isVisible());
        EXPECT_FALSE(editor.isVisible());
    }
}

TEST_F(MenuTest, YearZeroOpensTheEditorWithoutCreatingTheArchive) {
    shell.EnterWorkArea(WorkArea::Ricevute);
    SetFormText(menu, "txtAnnoFatture", QStringLiteral("0000"));
    Click(&menu, "btnApriFatture");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(shell.Avvio()->isVisible());
    EXPECT_EQ(FormText(editor, "lblFile"), services.DataPath(QStringLiteral("0000.ric")));
    EXPECT_EQ(FormText(editor, "lblAnno"), QStringLiteral("0000"));
    EXPECT_EQ(editor.windowTitle(), QStringLiteral(" Corvelo - Archivio ricevute anno 0000"));
    EXPECT_FALSE(QFileInfo::exists(services.DataPath(QStringLiteral("0000.ric"))));

    // Leaving the editor goes to the start menu, not back to the receipts menu.
    Click(&editor, "cmdEsci");
    EXPECT_TRUE(shell.Avvio()->isVisible());
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(MenuTest, LogoPictureAndLinkOpenTheLogoScreen) {
    shell.EnterWorkArea(WorkArea::Ricevute);
    for (const char* control : {"imgEmail", "lnkWeb"}) {
        QString shown;
        test::OnNextModal([&](QWidget* modal) {
            shown = modal->objectName();
            modal->close();
        });
        QTest::mouseClick(Find(&menu, QLatin1String(control)), Qt::LeftButton);
        EXPECT_EQ(shown, QStringLiteral("TfrmLogo")) << control;
    }
}

TEST_F(MenuTest, StatisticsButtonShowsTheStatistics) {
    shell.EnterWorkArea(WorkArea::Ricevute);
    Click(&menu, "btnApriRiepStats");
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(statistics.isVisible());
    EXPECT_FALSE(shell.Avvio()->isVisible());
}

// --- Numbering screen -------------------------------------------------------------

class NumberingTest : public test::ScreenTest {
  protected:
    QString Settings() const { return services.DataPath(QStringLiteral("Vendarolo.ini")); }
    NumberingSettings Stored() const { return ReadNumberingSettings(Fs(Settings())); }
    void Show(TfrmNumerazione& screen, const char* tag) {
        SetFormText(screen, "lblMemory", QLatin1String(tag));
        test::ShowActive(&screen);
    }
};

TEST_F(NumberingTest, ShowsTheSettingsAndAppliesAnEmptyStartAsOne) {
    ASSERT_FALSE(WriteNumberingSettings(Fs(Settings()), {"7", "S\u00ec"}));
    TfrmNumerazione screen(services);
    Show(screen, "ricevute");
    EXPECT_EQ(FormText(screen, "txtInizio"), QStringLiteral("7"));
    EXPECT_TRUE(Find<QCheckBox>(&screen, QStringLiteral("chkTipo"))->isChecked());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtInizio"));

    SetFormText(screen, "txtInizio", {});
    Find<QCheckBox>(&screen, QStringLiteral("chkTipo"))->setChecked(false);
    Click(&screen, "btnApplica");
    EXPECT_EQ(Stored(), (NumberingSettings{"1", "No"}));
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(NumberingTest, LeavingTheStartBoxRewritesItAsAWholeNumber) {
    TfrmNumerazione screen(services);
    Show(screen, "ricevute");
    auto* box = Find<QLineEdit>(&screen, QStringLiteral("txtInizio"));
    box->clear();
    test::Type(box, QStringLiteral("0a07"));  // the letter never reaches the box
    test::Leave(box);
    EXPECT_EQ(box->text(), QStringLiteral("7"));
}

TEST_F(NumberingTest, CancelOrAnotherTagWritesNothing) {
    ASSERT_FALSE(WriteNumberingSettings(Fs(Settings()), {"5", "No"}));
    {
        TfrmNumerazione screen(services);
        Show(screen, "ricevute");
        SetFormText(screen, "txtInizio", QStringLiteral("40"));
        Click(&screen, "btnAnnulla");
    }
    {
        TfrmNumerazione screen(services);
        Show(screen, "altro");
        EXPECT_EQ(FormText(screen, "txtInizio"), QStringLiteral("1"));
        SetFormText(screen, "txtInizio", QStringLiteral("40"));
        Click(&screen, "btnApplica");
    }
    EXPECT_EQ(Stored(), (NumberingSettings{"5", "No"}));
}

// --- Logo screen --------------------------------------------------------------------

class LogoTest : public test::ScreenTest {
  protected:
    QString LogoPath() const { return services.DataPath(QStringLiteral("Logo.bmp")); }
    // The written file: a BMP by its own bytes, and its picture.
    QImage Written() const {
        QFile file(LogoPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("BM"));
        return QImage::fromData(bytes, "BMP");
    }
};

TEST_F(LogoTest, WithoutLogoFileApplyWritesTheDefaultLogo) {
    TfrmLogo screen(services);
    test::ShowActive(&screen);
    Click(&screen, "btnApplica");
    const QImage logo = Written();
    EXPECT_EQ(logo.size(), QSize(297, 184));
    EXPECT_EQ(logo.convertToFormat(QImage::Format_RGB32),
              DefaultLogoImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(LogoTest, NoLogoWritesATwoByTwoWhitePicture) {
    TfrmLogo screen(services);
    test::ShowActive(&screen);
    Click(&screen, "btnCancLogo");
    Click(&screen, "btnApplica");
    const QImage logo = Written();
    ASSERT_EQ(logo.size(), QSize(2, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) EXPECT_EQ(logo.pixel(x, y), qRgb(255, 255, 255));
    }
}

TEST_F(LogoTest, ChosenJpegIsWrittenAsBmpAtItsOwnSize) {
    QImage chosen(40, 30, QImage::Format_RGB32);
    chosen.fill(QColor(200, 30, 30));
    const QString jpeg = services.DataPath(QStringLiteral("mio logo.jpg"));
    ASSERT_TRUE(chosen.save(jpeg, "JPG"));
    services.fileAnswers.push_back(jpeg);
    TfrmLogo screen(services);
    test::ShowActive(&screen);
    Click(&screen, "btnSfoglia");
    EXPECT_EQ(
        services.fileDialogTitles,
        QStringList{QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap.")});
    Click(&screen, "btnApplica");
    const QImage logo = Written();
    EXPECT_EQ(logo.size(), QSize(40, 30));
    EXPECT_NEAR(qRed(logo.pixel(20, 15)), 200, 8);
}

TEST_F(LogoTest, ExistingLogoIsShownAndAnUnreadableChoiceFallsBackToTheDefault) {
    ASSERT_TRUE(BlankLogoImage().save(LogoPath(), "BMP"));
    TfrmLogo screen(services);
    test::ShowActive(&screen);
    EXPECT_EQ(screen.Picture().size(), QSize(2, 2));

    const QString broken = services.DataPath(QStringLiteral("rotto.jpg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    services.fileAnswers.push_back(broken);
    Click(&screen, "btnSfoglia");
    EXPECT_EQ(screen.Picture().size(), QSize(297, 184));

    Click(&screen, "btnCancLogo");
    Click(&screen, "btnSfoglia");  // cancelled: nothing changes
    EXPECT_EQ(screen.Picture().size(), QSize(2, 2));
    Click(&screen, "btnAnnulla");
    EXPECT_EQ(Written().size(), QSize(2, 2));
}

TEST_F(LogoTest, FailingWriteIsSilentAndShowsTheDefaultLogo) {
    ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("Logo.bmp")));
    TfrmLogo screen(services);
    test::ShowActive(&screen);
    Click(&screen, "btnCancLogo");
    Click(&screen, "btnApplica");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(screen.Picture().size(), QSize(297, 184));
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(QFileInfo(LogoPath()).isDir());
}

}  // namespace
}  // namespace corvelo

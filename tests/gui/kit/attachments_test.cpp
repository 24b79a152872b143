#include "core/app/attachments.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

#include "gui/app/conventions.h"
#include "gui/kit/AllegaCartella.h"
#include "gui/kit/Cartella.h"
#include "gui/kit/text.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

constexpr const char* kLabels[] = {"lblFile01", "lblFile02", "lblFile03",
                                   "lblDesc01", "lblDesc02", "lblDesc03"};

class AttachTest : public test::ScreenTest {
  protected:
    AttachTest() {
        for (const char* name : kLabels) {
            auto* label = new QLabel(&editor);
            label->setObjectName(QLatin1String(name));
        }
    }
    // Opens the screen as an editor does, answering it with `act`.
    void Open(const char* tag, const std::function<void(TfrmAllegaCartella&)>& act) {
        bool opened = false;
        test::OnNextModal([&](QWidget* modal) {
            opened = true;
            act(*qobject_cast<TfrmAllegaCartella*>(modal));
            if (modal->isVisible()) modal->close();
        });
        ShowAttachments(editor, services, tag);
        EXPECT_TRUE(opened);
    }
    // A file outside the data folder, as a user picks it.
    QString Outside(const QString& name, const QByteArray& bytes) {
        const QString path = outside.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString Folder(const QString& name = {}) const {
        return services.DataPath(QStringLiteral("Documenti_Allegati")) +
               (name.isEmpty() ? QString() : QLatin1Char('/') + name);
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static QString Box(QWidget& screen, const char* name) {
        return Find<QLineEdit>(&screen, QLatin1String(name))->text();
    }
    QString Label(const char* name) const { return TextOf(Find(&editor, QLatin1String(name))); }
    static void Click(QWidget& screen, const char* name) {
        Find<QAbstractButton>(&screen, QLatin1String(name))->click();
    }

    QWidget editor;
    QTemporaryDir outside;
};

TEST_F(AttachTest, ChosenFileIsCopiedAtOnceAndAppliedToTheEditorTrimmed) {
    SetTextOf(Find(&editor, QStringLiteral("lblDesc02")), QStringLiteral(" vecchia "));
    services.fileAnswers = {Outside(QStringLiteral("contratto.pdf"), "PDF1")};
    Open("anagrafica", [&](TfrmAllegaCartella& screen) {
        EXPECT_EQ(Box(screen, "txtDesc02"), QStringLiteral("vecchia"));
        EXPECT_FALSE(Find<QPushButton>(&screen, QStringLiteral("btnApri01"))->isEnabled());
        screen.btnSfogliaClick(1);
        EXPECT_EQ(Box(screen, "txtFile01"), QStringLiteral("contratto.pdf"));
        EXPECT_TRUE(Find<QPushButton>(&screen, QStringLiteral("btnApri01"))->isEnabled());
        EXPECT_EQ(Bytes(Folder(QStringLiteral("contratto.pdf"))), QByteArray("PDF1"));
        screen.btnApriClick(1);
        test::Type(Find(&screen, QStringLiteral("txtDesc01")), QStringLiteral(" firmato  "));
        screen.btnApplicaClick();
        EXPECT_FALSE(screen.isVisible());
    });
    EXPECT_EQ(services.fileDialogTitles, QStringList{"Selezionare il file da allegare:"});
    ASSERT_EQ(services.shellOpens.size(), 1);
    EXPECT_EQ(QDir::cleanPath(services.shellOpens[0].mid(1).chopped(1)),
              QDir::cleanPath(Folder(QStringLiteral("contratto.pdf"))));
    EXPECT_EQ(Label("lblFile01"), QStringLiteral("contratto.pdf"));
    EXPECT_EQ(Label("lblDesc01"), QStringLiteral("firmato"));
    EXPECT_EQ(Label("lblDesc02"), QStringLiteral("vecchia"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(AttachTest, ANameAlreadyInTheFolderIsReplacedOnlyAfterYes) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    QFile old(Folder(QStringLiteral("foto.jpg")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("OLD");
    old.close();
    const QString chosen = Outside(QStringLiteral("foto.jpg"), "NEW");
    services.fileAnswers = {chosen, chosen};
    services.answerNo = {true, false};
    Open("magazzino", [&](TfrmAllegaCartella& screen) {
        screen.btnSfogliaClick(2);  // No: the card names the file already there
        EXPECT_EQ(Box(screen, "txtFile02"), QStringLiteral("foto.jpg"));
        EXPECT_EQ(Bytes(Folder(QStringLiteral("foto.jpg"))), QByteArray("OLD"));
        screen.btnSfogliaClick(3);  // Yes
        EXPECT_EQ(Bytes(Folder(QStringLiteral("foto.jpg"))), QByteArray("NEW"));
        EXPECT_EQ(Box(screen, "txtFile03"), QStringLiteral("foto.jpg"));
        screen.btnApplicaClick();
    });
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Confirmation, Q(kMsgAllegatoEsistente)}));
    EXPECT_EQ(Label("lblFile02"), QStringLiteral("foto.jpg"));
}

TEST_F(AttachTest, TheFolderFileItselfIsNeverCopiedOntoItselfAndAFailedCopyKeepsTheOldName) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    QFile own(Folder(QStringLiteral("a.txt")));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("KEEP");
    own.close();
    SetTextOf(Find(&editor, QStringLiteral("lblFile01")), QStringLiteral("prima.txt"));
    services.fileAnswers = {Folder(QStringLiteral("a.txt")), outside.filePath("manca.txt")};
    Open("anagrafica", [&](TfrmAllegaCartella& screen) {
        screen.btnSfogliaClick(2);
        EXPECT_EQ(Box(screen, "txtFile02"), QStringLiteral("a.txt"));
        screen.btnSfogliaClick(1);  // a file that cannot be read
        EXPECT_EQ(Box(screen, "txtFile01"), QStringLiteral("prima.txt"));
    });
    EXPECT_EQ(Bytes(Folder(QStringLiteral("a.txt"))), QByteArray("KEEP"));
    EXPECT_FALSE(QFileInfo::exists(Folder(QStringLiteral("manca.txt"))));
    ASSERT_EQ(services.messages.size(), 1u) << "no question for the file itself";
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Warning, Q(kMsgAllegatoNonCopiato)}));
}

TEST_F(AttachTest, ANameTheRecordCannotHoldIsCopiedUnderOneItCan) {
    services.fileAnswers = {Outside(QStringLiteral("preventivo \u6f22.pdf"), "X")};
    Open("anagrafica", [&](TfrmAllegaCartella& screen) {
        screen.btnSfogliaClick(1);
        const QString stored = Box(screen, "txtFile01");
        EXPECT_EQ(Q(StorableAttachmentName(Utf8(stored))), stored);
        EXPECT_TRUE(stored.startsWith(QStringLiteral("preventivo ")));
        EXPECT_EQ(Bytes(Folder(stored)), QByteArray("X"));
    });
}

TEST_F(AttachTest, OnlyBareNamesOpenAndClearingAndCancellingLeaveTheFiles) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    SetTextOf(Find(&editor, QStringLiteral("lblFile01")), QStringLiteral("../Clienti.pro"));
    SetTextOf(Find(&editor, QStringLiteral("lblFile02")), QStringLiteral("b.pdf"));
    Open("anagrafica", [&](TfrmAllegaCartella& screen) {
        EXPECT_TRUE(Find<QPushButton>(&screen, QStringLiteral("btnApri01"))->isEnabled());
        screen.btnApriClick(1);
        EXPECT_TRUE(services.shellOpens.isEmpty());
        screen.imgCancellaClick(2);
        EXPECT_EQ(Box(screen, "txtFile02"), QString());
        EXPECT_FALSE(Find<QPushButton>(&screen, QStringLiteral("btnApri02"))->isEnabled());
        Click(screen, "btnAnnulla");
    });
    EXPECT_EQ(Label("lblFile02"), QStringLiteral("b.pdf"));

    Open("fattura", [&](TfrmAllegaCartella& screen) {
        screen.imgCancellaClick(2);
        screen.btnApplicaClick();
        EXPECT_TRUE(screen.isVisible()) << "an unknown tag applies nothing and stays open";
    });
    EXPECT_EQ(Label("lblFile02"), QStringLiteral("b.pdf"));
}

TEST_F(AttachTest, CardFolderIsCreatedOnceAndOpenedEachTime) {
    for (int twice = 0; twice < 2; ++twice) {
        TfrmCartella folder(services);
        SetTextOf(Find(&folder, QStringLiteral("lblMemory")), QStringLiteral(" 12 "));
        test::ShowActive(&folder);
        Click(folder, "btnApriCartella");
        EXPECT_FALSE(folder.isVisible());
    }
    EXPECT_TRUE(QFileInfo(services.DataPath(QStringLiteral("Cliente_12"))).isDir());
    ASSERT_EQ(services.shellOpens.size(), 2);
    EXPECT_EQ(QDir::cleanPath(services.shellOpens[1].mid(1).chopped(1)),
              QDir::cleanPath(services.DataPath(QStringLiteral("Cliente_12"))));
}

}  // namespace
}  // namespace corvelo

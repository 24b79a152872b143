#include "gui/app/daily_backup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "support/fault_file_system.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

class DailyBackupTest : public test::ScreenTest {
  protected:
    DailyBackupTest() {
        Write(QStringLiteral("2024.ric"), "ricevute");
        Write(QStringLiteral("Clienti.pro"), "clienti");
        Write(QStringLiteral("unins000.dll"), "[Accesso]\r\n");
    }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(services.DataPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QStringList Files(const QString& folder) const {
        return QDir(services.DataPath(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    QByteArray Read(const QString& name) const {
        QFile file(services.DataPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(DailyBackupTest, OnlyTheFirstStartOfADayCopiesTheArchives) {
    EXPECT_TRUE(MakeDailyBackupAtStart(services));
    const QStringList all = {"2024.ric", "Clienti.pro", "unins000.dll"};
    EXPECT_EQ(Files(QStringLiteral("Backup/2024-03-15")), all);
    EXPECT_EQ(Read(QStringLiteral("Backup/2024-03-15/Clienti.pro")), "clienti");

    // Started again the same day: the morning's copy stays as it was.
    Write(QStringLiteral("Clienti.pro"), "cambiati");
    EXPECT_TRUE(MakeDailyBackupAtStart(services));
    EXPECT_EQ(Read(QStringLiteral("Backup/2024-03-15/Clienti.pro")), "clienti");

    services.today = QDate(2024, 3, 16);
    EXPECT_TRUE(MakeDailyBackupAtStart(services));
    EXPECT_EQ(Read(QStringLiteral("Backup/2024-03-16/Clienti.pro")), "cambiati");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(DailyBackupTest, AFailedBackupWarnsOnceAndIsTriedAgainAtTheNextStart) {
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kWrite, 1);  // every copy after the first
    EXPECT_FALSE(MakeDailyBackupAtStart(services, fs));

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Warning);
    const QString& text = services.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Attenzione: ")));
    EXPECT_TRUE(text.contains(services.DataPath(QStringLiteral("Backup/2024-03-15"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Clienti.pro"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("unins000.dll")))
        << text.toStdString();  // the first failure only
    EXPECT_EQ(Read(QStringLiteral("Clienti.pro")), "clienti");
    EXPECT_FALSE(QDir(services.DataPath(QStringLiteral("Backup/2024-03-15"))).exists());

    services.Clear();
    EXPECT_TRUE(MakeDailyBackupAtStart(services));
    EXPECT_EQ(Files(QStringLiteral("Backup/2024-03-15")).size(), 3);
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace corvelo

#include "core/app/backup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "support/fault_file_system.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

using Files = std::map<std::string, std::string>;  // name -> bytes
using Names = std::vector<std::string>;

constexpr std::chrono::year_month_day kToday{std::chrono::year(2024), std::chrono::March,
                                             std::chrono::day(15)};

void Put(const fs::path& folder, const Files& files) {
    fs::create_directories(folder);
    for (const auto& [name, bytes] : files) WriteBytes(folder / name, bytes);
}

// Every regular file of a folder with its bytes (sub-folders left out).
Files Contents(const fs::path& folder) {
    Files files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (e.is_regular_file()) files[e.path().filename().string()] = ReadBytes(e.path());
    }
    return files;
}

Names Entries(const fs::path& folder) {
    Names names;
    if (!fs::is_directory(folder)) return names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Passes everything to the disk, except the folder step told to fail.
class FaultFolders : public BackupFolders {
  public:
    bool failList = false, failCreate = false, failRemove = false;
    Kind KindOf(const fs::path& p) override { return DefaultBackupFolders().KindOf(p); }
    Result<std::vector<Entry>> List(const fs::path& p) override {
        if (failList) return {Status::Error(IoOp::kOpen, "injected"), {}};
        return DefaultBackupFolders().List(p);
    }
    Status CreateFolder(const fs::path& p) override {
        if (failCreate) return Status::Error(IoOp::kCreate, "injected");
        return DefaultBackupFolders().CreateFolder(p);
    }
    Status RemoveEmptyFolder(const fs::path& p) override {
        if (failRemove) return Status::Error(IoOp::kRemove, "injected");
        return DefaultBackupFolders().RemoveEmptyFolder(p);
    }
};

// A data folder with every kind of archive file and things a backup leaves
// alone: look-alike names, a folder named like an archive, attachments.
const Files kArchives = {{"2023.ric", std::string(3000, 'a')},
                         {"2024.ric", std::string(700000, 'b')},  // several blocks
                         {"Clienti.pro", "clienti"},
                         {"Magazzino.pro", ""},
                         {"Vendarolo.ini", "[Ditta Emittente]\r\n"},
                         {"unins000.dll", "[Accesso]\r\n"},
                         {"Logo.bmp", "BM"}};
const Files kOthers = {{"20245.ric", "x"},    {"2024.RIC", "x"},
                       {"clienti.pro", "x"},  {"Archivio_Ricevute.xls", "x"},
                       {"Ricevuta.pdf", "x"}, {"Corvelo.lock", "1\n"}};

class BackupTest : public ::testing::Test {
  protected:
    BackupTest() {
        Put(data.path(), kArchives);
        Put(data.path(), kOthers);
        fs::create_directories(data / "Clienti.pro.d");
        fs::create_directories(data / "1999.ric");
        Put(data / "Documenti_Allegati", {{"a.txt", "x"}});
    }
    TempFolder data;
};

TEST(BackupNames, ArchiveAndDailyNames) {
    for (const char* name : {"2024.ric", "0000.ric", "Clienti.pro", "Magazzino.pro",
                             "Vendarolo.ini", "unins000.dll", "Logo.bmp"}) {
        EXPECT_TRUE(IsArchiveFileName(name)) << name;
    }
    for (const char* name : {"", ".ric", "202.ric", "20245.ric", "2024.RIC", "2O24.ric",
                             " 2024.ric", "2024.ric.tmp", "clienti.pro", "Logo.BMP", "Logo.jpg"}) {
        EXPECT_FALSE(IsArchiveFileName(name)) << name;
    }
    EXPECT_EQ(DailyBackupName(kToday), "2024-03-15");
    EXPECT_EQ(DailyBackupName({std::chrono::year(987), std::chrono::January, std::chrono::day(2)}),
              "0987-01-02");
    for (const char* name : {"2024-03-15", "2024-02-29"})
        EXPECT_TRUE(IsDailyBackupName(name)) << name;
    for (const char* name : {"2023-02-29", "2024-13-01", "2024-3-15", "2024-03-15 ", "2024_03_15",
                             "2024-03-15-103000-prima-del-ripristino", "+024-03-15", "vecchi"}) {
        EXPECT_FALSE(IsDailyBackupName(name)) << name;
    }
}

TEST_F(BackupTest, CopiesExactlyTheArchiveFilesIntoANewFolder) {
    const fs::path to = data / "Backup" / "2024-03-15";
    const BackupCopy copy = CopyArchiveFiles(data.path(), to);
    ASSERT_TRUE(copy.ok()) << copy.status.detail();
    EXPECT_EQ(Contents(to), kArchives);
    EXPECT_EQ(Entries(to).size(), kArchives.size());  // no folder, no temporary file
    EXPECT_EQ(copy.copied, (Names{"2023.ric", "2024.ric", "Clienti.pro", "Logo.bmp",
                                  "Magazzino.pro", "Vendarolo.ini", "unins000.dll"}));
    // The data folder is only read.
    Files all = kArchives;
    all.insert(kOthers.begin(), kOthers.end());
    EXPECT_EQ(Contents(data.path()), all);
}

TEST_F(BackupTest, ShortReadsStillGiveWholeCopies) {
    FaultFileSystem fs;
    fs.ShortReads(1000);
    const fs::path to = data / "Backup" / "x";
    ASSERT_TRUE(CopyArchiveFiles(data.path(), to, fs).ok());
    EXPECT_EQ(Contents(to), kArchives);
}

struct FaultCase {
    const char* name;
    IoOp op;
    int skip;  // calls of the first file (2023.ric), which is copied
    BackupStep step;
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

class BackupFaultTest : public BackupTest, public ::testing::WithParamInterface<FaultCase> {};

// A fault on the second file stops the copy there: the first copy is whole,
// the failed one is absent (never torn), nothing is left half written, and
// the failure names the file and the side that failed.
TEST_P(BackupFaultTest, StopsAtTheFailedFileAndLeavesNoTornCopy) {
    const FaultCase& c = GetParam();
    FaultFileSystem fs;
    fs.TornWrites(100);
    fs.FailOnce(c.op, c.skip);
    const fs::path to = data / "Backup" / "2024-03-15";

    const BackupCopy copy = CopyArchiveFiles(data.path(), to, fs);

    EXPECT_EQ(copy.failedStep, c.step);
    EXPECT_EQ(copy.status.op(), c.op);
    EXPECT_EQ(copy.copied, Names{"2023.ric"});
    ASSERT_FALSE(copy.pending.empty());
    EXPECT_EQ(copy.pending.front(), "2024.ric");
    EXPECT_EQ(copy.pending.size(), kArchives.size() - 1);
    EXPECT_EQ(Entries(to), Names{"2023.ric"});
    EXPECT_EQ(ReadBytes(to / "2023.ric"), kArchives.at("2023.ric"));
    const std::string text = BackupFailureText(copy);
    EXPECT_NE(text.find("2024.ric"), std::string::npos) << text;
    EXPECT_NE(text.find(c.step == BackupStep::kRead ? "leggere" : "scrivere"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, BackupFaultTest,
    ::testing::Values(FaultCase{"Open", IoOp::kOpen, 1, BackupStep::kRead},
                      FaultCase{"Size", IoOp::kSize, 1, BackupStep::kRead},
                      FaultCase{"Read", IoOp::kRead, 2, BackupStep::kRead},
                      FaultCase{"ReadLater", IoOp::kRead, 3, BackupStep::kRead},
                      FaultCase{"Access", IoOp::kAccess, 1, BackupStep::kWrite},
                      FaultCase{"Create", IoOp::kCreate, 1, BackupStep::kWrite},
                      FaultCase{"Write", IoOp::kWrite, 1, BackupStep::kWrite},
                      FaultCase{"WriteLater", IoOp::kWrite, 2, BackupStep::kWrite},
                      FaultCase{"Flush", IoOp::kFlush, 1, BackupStep::kWrite},
                      FaultCase{"Close", IoOp::kClose, 2, BackupStep::kWrite},
                      FaultCase{"Rename", IoOp::kRename, 1, BackupStep::kWrite}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BackupTest, DailyBackupIsDueOnceADayAndAFailedOneIsTriedAgain) {
    EXPECT_TRUE(DailyBackupDue(data.path(), kToday));
    FaultFileSystem fs;
    fs.FailOnce(IoOp::kRename, 3);
    const BackupCopy failed = MakeDailyBackup(data.path(), kToday, fs);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.discarded);
    EXPECT_TRUE(DailyBackupDue(data.path(), kToday));  // nothing half made is left
    EXPECT_EQ(Entries(data / "Backup"), Names{});
    const std::string warning = DailyBackupWarning(failed);
    EXPECT_NE(warning.find((data / "Backup" / "2024-03-15").string()), std::string::npos);
    EXPECT_NE(warning.find("Logo.bmp"), std::string::npos) << warning;

    ASSERT_TRUE(MakeDailyBackup(data.path(), kToday).ok());
    EXPECT_FALSE(DailyBackupDue(data.path(), kToday));
    EXPECT_EQ(Contents(data / "Backup" / "2024-03-15"), kArchives);
}

TEST_F(BackupTest, AFailureOverAnEarlierBackupOfTheDayKeepsIt) {
    const fs::path today = data / "Backup" / "2024-03-15";
    ASSERT_TRUE(MakeDailyBackup(data.path(), kToday).ok());
    WriteBytes(data / "Clienti.pro", "changed");
    FaultFileSystem fs;
    fs.FailOnce(IoOp::kWrite, 4);  // 2023.ric takes one write, 2024.ric three
    const BackupCopy copy = MakeDailyBackup(data.path(), kToday, fs);
    EXPECT_EQ(copy.FailedFile(), "Clienti.pro");
    EXPECT_FALSE(copy.discarded);
    EXPECT_EQ(Contents(today), kArchives);  // the morning's copy, whole
}

TEST_F(BackupTest, FolderFailuresAreNamed) {
    FaultFolders folders;
    folders.failCreate = true;
    BackupCopy copy =
        CopyArchiveFiles(data.path(), data / "Backup" / "x", DefaultFileSystem(), folders);
    EXPECT_EQ(copy.failedStep, BackupStep::kCreateFolder);
    EXPECT_EQ(copy.pending.size(), kArchives.size());
    EXPECT_EQ(BackupFailureText(copy),
              "non è stato possibile creare la cartella " + (data / "Backup" / "x").string());
    folders.failCreate = false;
    folders.failList = true;
    copy = CopyArchiveFiles(data.path(), data / "Backup" / "x", DefaultFileSystem(), folders);
    EXPECT_EQ(copy.failedStep, BackupStep::kListFolder);
    EXPECT_FALSE(fs::exists(data / "Backup"));
}

// Sixteen daily backups, the oldest two to go; around them the things the
// rotation must never touch.
TEST_F(BackupTest, RotationKeepsTheNewestFourteenDailyBackupsAndNothingElseGoes) {
    const fs::path root = data / "Backup";
    Names daily;
    for (int d = 1; d <= 16; ++d) {
        daily.push_back(DailyBackupName({std::chrono::year(2024), std::chrono::January,
                                         std::chrono::day(unsigned(d) * 2 - 1)}));
    }
    daily[3] = "2023-12-31";  // the oldest, though not listed first
    for (const std::string& name : daily) {
        Put(root / name, {{"2024.ric", "r"}, {"Clienti.pro", "c"}, {".Clienti.pro.77.3.tmp", "t"}});
    }
    // The second oldest also holds a file of the user's: that stays.
    Put(root / "2024-01-01", {{"appunti.txt", "mio"}});
    const Names untouched = {"2020-01-01-080000-prima-del-ripristino", "2024-02-30", "vecchi"};
    for (const std::string& name : untouched) Put(root / name, {{"2024.ric", "r"}});
    WriteBytes(root / "2019-01-01", "a file, not a folder");

    ASSERT_TRUE(RotateDailyBackups(data.path()).ok());

    Names expected = daily;
    std::sort(expected.begin(), expected.end());
    expected.erase(expected.begin());  // 2023-12-31 is gone
    expected.insert(expected.end(), untouched.begin(), untouched.end());
    expected.push_back("2019-01-01");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(root), expected);
    EXPECT_EQ(Entries(root / "2024-01-01"), Names{"appunti.txt"});
    for (const std::string& name : untouched) EXPECT_EQ(Entries(root / name), Names{"2024.ric"});
    EXPECT_EQ(Entries(root / "2024-01-31").size(), 3u);

    // A daily backup made today runs the same rotation.
    ASSERT_TRUE(MakeDailyBackup(data.path(), kToday).ok());
    EXPECT_FALSE(fs::exists(root / "2024-01-03"));
    EXPECT_TRUE(fs::exists(root / "2024-01-05"));
}

class RestoreTest : public BackupTest {
  protected:
    RestoreTest() { Put(backup, saved); }
    // An older state: fewer files, other bytes; 2023.ric, Logo.bmp and
    // unins000.dll are not in it.
    const Files saved = {{"2024.ric", std::string(300000, 'o')},
                         {"Clienti.pro", "vecchi clienti"},
                         {"Magazzino.pro", "vecchio magazzino"},
                         {"Vendarolo.ini", "[vecchio]\r\n"},
                         {"note.txt", "not an archive"}};
    const fs::path backup = data / "Backup" / "2024-03-01";
    const fs::path before = data / "Backup" / "2024-03-15-103005-prima-del-ripristino";
};

TEST_F(RestoreTest, PutsTheBackupBackAfterSavingTheCurrentFiles) {
    const Restore r = RestoreBackup(data.path(), backup, kToday, 10h + 30min + 5s);
    ASSERT_TRUE(r.ok()) << r.restored.status.detail();

    EXPECT_EQ(r.saved.to, before);
    EXPECT_EQ(Contents(before), kArchives);
    EXPECT_EQ(r.restored.copied,
              (Names{"2024.ric", "Clienti.pro", "Magazzino.pro", "Vendarolo.ini"}));
    EXPECT_EQ(r.leftAsIs, (Names{"2023.ric", "Logo.bmp", "unins000.dll"}));
    Files expected = kArchives;
    for (const auto& [name, bytes] : saved) {
        if (name != "note.txt") expected[name] = bytes;
    }
    expected.insert(kOthers.begin(), kOthers.end());
    EXPECT_EQ(Contents(data.path()), expected);
    EXPECT_EQ(Contents(backup), saved);

    // A second restore in the same second gets a folder of its own, and the
    // rotation never counts either.
    const Restore again = RestoreBackup(data.path(), backup, kToday, 10h + 30min + 5s);
    EXPECT_EQ(again.saved.to.filename(), "2024-03-15-103005-prima-del-ripristino-2");
    ASSERT_TRUE(RotateDailyBackups(data.path()).ok());
    EXPECT_TRUE(fs::exists(before));
}

TEST_F(RestoreTest, RefusesAFolderWithoutArchivesAndWritesNothing) {
    Put(data / "vuota", {{"note.txt", "x"}, {"2024.RIC", "x"}});
    fs::create_directories(data / "vuota" / "2024.ric");
    const struct {
        fs::path from;
        Restore::Refusal refusal;
    } cases[] = {{data / "vuota", Restore::Refusal::kNoArchives},
                 {data / "nessuna", Restore::Refusal::kNotAFolder},
                 {data / "Clienti.pro", Restore::Refusal::kNotAFolder},
                 {data / "Backup", Restore::Refusal::kNoArchives},
                 {data / ".", Restore::Refusal::kDataFolder}};
    const Names entries = Entries(data.path());
    const Files contents = Contents(data.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from.string());
        const Restore r = RestoreBackup(data.path(), c.from, kToday, 0s);
        EXPECT_EQ(r.refusal, c.refusal);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(Entries(data.path()), entries);
        EXPECT_EQ(Contents(data.path()), contents);
        EXPECT_EQ(Entries(data / "Backup"), Names{"2024-03-01"});
    }
}

TEST_F(RestoreTest, AFailurePartWaySaysWhatIsBackAndLeavesTheRestWhole) {
    FaultFileSystem fs;
    // Seven renames save the current files; the restore's second one fails.
    fs.FailOnce(IoOp::kRename, int(kArchives.size()) + 1);
    const Restore r = RestoreBackup(data.path(), backup, kToday, 10h + 30min + 5s, fs);
    EXPECT_FALSE(r.ok());
    ASSERT_TRUE(r.saved.ok());
    EXPECT_EQ(Contents(before), kArchives);
    EXPECT_EQ(r.restored.copied, Names{"2024.ric"});
    EXPECT_EQ(r.restored.pending, (Names{"Clienti.pro", "Magazzino.pro", "Vendarolo.ini"}));
    EXPECT_EQ(ReadBytes(data / "2024.ric"), saved.at("2024.ric"));
    for (const char* name : {"Clienti.pro", "Magazzino.pro", "Vendarolo.ini"}) {
        EXPECT_EQ(ReadBytes(data / name), kArchives.at(name)) << name;
    }
    EXPECT_EQ(Contents(data.path()).size(),
              kArchives.size() + kOthers.size());  // no temporary left
}

TEST_F(RestoreTest, NothingIsRestoredWhenTheCurrentFilesCannotBeSaved) {
    FaultFileSystem fs;
    fs.FailOnce(IoOp::kWrite, 4);
    const Files contents = Contents(data.path());
    const Restore r = RestoreBackup(data.path(), backup, kToday, 10h, fs);
    EXPECT_FALSE(r.saved.ok());
    EXPECT_TRUE(r.restored.copied.empty());
    EXPECT_EQ(Contents(data.path()), contents);
}

}  // namespace
}  // namespace corvelo

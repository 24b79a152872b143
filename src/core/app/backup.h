// Backups of the data folder: copies of the archive files (the yearly receipt
// archives, Clienti.pro, Magazzino.pro, the settings, password and logo
// files) in Backup/<yyyy-mm-dd>/ of the data folder, made on the first start
// of each day and on demand, the last fourteen kept; and the restore of one
// such copy.
//
// Every copy is made through ReplaceFile, so each copied file is at every
// moment either the whole old file or the whole new one, never torn. The
// archives themselves are only ever read, except by a restore.
//
// Folder names under Backup/:
//   2024-03-15                              a daily backup (the rotation keeps
//                                           the fourteen newest of these)
//   2024-03-15-103000-prima-del-ripristino  the files as they were before a
//                                           restore; never removed by the
//                                           rotation, only by hand
// Nothing else under Backup/ is ever touched.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kBackupFolderName = "Backup";
inline constexpr std::string_view kPreRestoreSuffix = "-prima-del-ripristino";
// Daily backups kept by the rotation.
inline constexpr std::size_t kDailyBackupsKept = 14;

// What backups need of folders, beside the file interface that copies the
// files. The real one works on the disk; tests put a failing one in its
// place.
class BackupFolders {
  public:
    virtual ~BackupFolders() = default;

    enum class Kind { kMissing, kFile, kFolder, kOther };
    // What is at `path` (kOther: a device, a link to nothing, or a path that
    // cannot be examined).
    virtual Kind KindOf(const std::filesystem::path& path) = 0;

    struct Entry {
        std::string name;
        Kind kind;
        bool operator==(const Entry&) const = default;
    };
    // The entries of `folder`, in no particular order (kOpen when it cannot be
    // read).
    virtual Result<std::vector<Entry>> List(const std::filesystem::path& folder) = 0;
    // Creates `folder` with its missing parents; ok when it is already a
    // folder (kCreate otherwise).
    virtual Status CreateFolder(const std::filesystem::path& folder) = 0;
    // Removes the empty folder `folder` (kRemove, also when it is not empty).
    virtual Status RemoveEmptyFolder(const std::filesystem::path& folder) = 0;
};

BackupFolders& DefaultBackupFolders();

// True for the name of a file a backup holds: "<four digits>.ric",
// "Clienti.pro", "Magazzino.pro", "Vendarolo.ini", "unins000.dll",
// "Logo.bmp" (exactly so spelled).
bool IsArchiveFileName(std::string_view name);

// The names of the archive files (regular files only) in `folder`, sorted.
Result<std::vector<std::string>> ArchiveFilesIn(const std::filesystem::path& folder,
                                                BackupFolders& folders = DefaultBackupFolders());

// "2024-03-15": the name of the daily backup of that day.
std::string DailyBackupName(std::chrono::year_month_day day);
// True for a name made by DailyBackupName of an existing date (nothing
// before, after or between).
bool IsDailyBackupName(std::string_view name);

// <data>/Backup and <data>/Backup/<yyyy-mm-dd>.
std::filesystem::path BackupRoot(const std::filesystem::path& data);
std::filesystem::path DailyBackupFolder(const std::filesystem::path& data,
                                        std::chrono::year_month_day day);

// The first start of a day: there is nothing at Backup/<day> yet.
bool DailyBackupDue(const std::filesystem::path& data, std::chrono::year_month_day day,
                    BackupFolders& folders = DefaultBackupFolders());

// Where a copy failed, as far as the user is concerned.
enum class BackupStep {
    kNone,
    kListFolder,    // the folder of the files to copy could not be read
    kCreateFolder,  // the folder of the copies could not be created
    kRead,          // a file to copy could not be read
    kWrite,         // its copy could not be written
};

// The outcome of copying the archive files of one folder into another.
struct BackupCopy {
    std::filesystem::path from;
    std::filesystem::path to;
    std::vector<std::string> copied;   // in order; each copy is whole
    std::vector<std::string> pending;  // not copied: the failed file first
    BackupStep failedStep = BackupStep::kNone;
    Status status;           // the first failure
    bool discarded = false;  // the copies already made were removed again

    bool ok() const { return failedStep == BackupStep::kNone; }
    // The failed file (empty for a folder failure).
    std::string FailedFile() const { return pending.empty() ? std::string() : pending.front(); }
};

// Copies every archive file of `from` into the folder `to` (created with its
// parents when missing), in name order, each through ReplaceFile. Stops at
// the first failure; the copies made before it stay. Files of `to` that are
// not copied are left as they are.
BackupCopy CopyArchiveFiles(const std::filesystem::path& from, const std::filesystem::path& to,
                            FileSystem& fs = DefaultFileSystem(),
                            BackupFolders& folders = DefaultBackupFolders());

// Makes the backup of the day into Backup/<day> (over the copies of an
// earlier one of the same day, when there is one) and, once it is whole,
// applies the rotation. A backup that fails in a folder it created removes
// what it copied and the folder (discarded), so the next start tries again;
// the rotation is then skipped, so that no old backup goes while the new one
// is missing.
BackupCopy MakeDailyBackup(const std::filesystem::path& data, std::chrono::year_month_day day,
                           FileSystem& fs = DefaultFileSystem(),
                           BackupFolders& folders = DefaultBackupFolders());

// Keeps the newest kDailyBackupsKept daily backups of <data>/Backup (by the
// date in their names) and removes the older ones through
// RemoveBackupFolder. Pre-restore backups and anything whose name is not a
// daily backup are never touched. Returns the first failure; the rotation
// goes on past it.
Status RotateDailyBackups(const std::filesystem::path& data, FileSystem& fs = DefaultFileSystem(),
                          BackupFolders& folders = DefaultBackupFolders());

// Removes from `folder` the archive files and the temporary files a copy of
// one may have left (".<name>.*.tmp"), then the folder itself once it is
// empty. A folder that holds anything else (put there by the user) keeps
// that and stays, which is not a failure.
Status RemoveBackupFolder(const std::filesystem::path& folder, FileSystem& fs = DefaultFileSystem(),
                          BackupFolders& folders = DefaultBackupFolders());

// The folder that keeps the files as they were before a restore made on
// `day` at `time_of_day`: Backup/<yyyy-mm-dd>-<hhmmss>-prima-del-ripristino,
// with "-2", "-3", ... added when that name is taken.
std::filesystem::path PreRestoreFolder(const std::filesystem::path& data,
                                       std::chrono::year_month_day day,
                                       std::chrono::seconds time_of_day,
                                       BackupFolders& folders = DefaultBackupFolders());

// The outcome of a restore.
struct Restore {
    enum class Refusal {
        kNone,
        kNotAFolder,  // nothing, or not a folder, at the path given
        kUnreadable,  // the folder could not be read
        kNoArchives,  // it holds no archive file
        kDataFolder,  // it is the data folder itself
    } refusal = Refusal::kNone;
    BackupCopy saved;                   // the pre-restore backup
    BackupCopy restored;                // the copy back into the data folder
    std::vector<std::string> leftAsIs;  // archive files the backup does not hold

    bool ok() const { return refusal == Refusal::kNone && saved.ok() && restored.ok(); }
};

// Puts the archive files of the backup folder `from` back into `data`:
// refuses a folder that holds no archive file (nothing is written then);
// first copies the current archive files into PreRestoreFolder (a failure
// there restores nothing); then copies each file of the backup over the
// current one, each whole or not at all, stopping at the first failure
// (restored.copied and restored.pending tell which files are back and which
// are not). Current archive files that the backup does not hold are left as
// they are (they are in the pre-restore backup too) and named in leftAsIs.
Restore RestoreBackup(const std::filesystem::path& data, const std::filesystem::path& from,
                      std::chrono::year_month_day day, std::chrono::seconds time_of_day,
                      FileSystem& fs = DefaultFileSystem(),
                      BackupFolders& folders = DefaultBackupFolders());

// The failure of a copy in words for the user, naming the file and the
// folder: "non è stato possibile leggere il file 2024.ric nella cartella
// /dati". Empty for a copy that succeeded.
std::string BackupFailureText(const BackupCopy& copy);

// The warning shown when the daily backup failed at start.
std::string DailyBackupWarning(const BackupCopy& copy);

}  // namespace corvelo

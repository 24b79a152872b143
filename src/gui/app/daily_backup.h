// The backup of the archives made on the first start of each day.
#pragma once

#include "core/app/backup.h"
#include "core/storage/file_system.h"

namespace corvelo {

class Services;

// On the first start of the day (no Backup/<today> in the data folder yet)
// copies the archive files into Backup/<today> and keeps the last fourteen
// daily backups; any other start does nothing. A backup that fails shows one
// warning naming the folder and the first failure; the start goes on either
// way. Returns false only when a backup was due and failed.
bool MakeDailyBackupAtStart(Services& services, FileSystem& fs = DefaultFileSystem(),
                            BackupFolders& folders = DefaultBackupFolders());

}  // namespace corvelo

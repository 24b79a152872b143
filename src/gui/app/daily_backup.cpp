#include "gui/app/daily_backup.h"

#include <chrono>
#include <filesystem>

#include "gui/app/services.h"

namespace corvelo {

bool MakeDailyBackupAtStart(Services& services, FileSystem& fs, BackupFolders& folders) {
    const QDate today = services.Today();
    const std::chrono::year_month_day day{std::chrono::year(today.year()),
                                          std::chrono::month(static_cast<unsigned>(today.month())),
                                          std::chrono::day(static_cast<unsigned>(today.day()))};
    const std::filesystem::path data = services.DataFolder().toStdU16String();
    if (!DailyBackupDue(data, day, folders)) return true;
    const BackupCopy copy = MakeDailyBackup(data, day, fs, folders);
    if (copy.ok()) return true;
    services.Warning(QString::fromStdString(DailyBackupWarning(copy)));
    return false;
}

}  // namespace corvelo

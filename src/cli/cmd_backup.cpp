// backup [--out FOLDER]: copies the archive files into Backup/<today> of the
// data folder (with the rotation of the daily backups) or into FOLDER.
// restore FOLDER: puts the archive files of a backup back, the current ones
// saved first.
#include <time.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "core/app/backup.h"

namespace corvelo::cli {
namespace {

constexpr const char* kBackupUsage = "backup [--out FOLDER]";
constexpr const char* kRestoreUsage = "restore FOLDER";

struct Clock {
    std::chrono::year_month_day day;
    std::chrono::seconds timeOfDay;
};

// The computer's local date and time, as the application reads its clock.
Clock LocalNow() {
    const time_t now = ::time(nullptr);
    struct tm t {};
    ::localtime_r(&now, &t);
    return {std::chrono::year_month_day{std::chrono::year(t.tm_year + 1900),
                                        std::chrono::month(static_cast<unsigned>(t.tm_mon + 1)),
                                        std::chrono::day(static_cast<unsigned>(t.tm_mday))},
            std::chrono::seconds(t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec)};
}

void PrintCopied(std::ostream& out, const char* word, const BackupCopy& copy) {
    for (const std::string& name : copy.copied) {
        if (word) out << word << " ";
        out << (copy.to / name).string() << "\n";
    }
}

std::string NameList(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
    return text;
}

int Backup(Context& ctx) {
    const auto& a = ctx.args;
    BackupCopy copy;
    if (a.empty()) {
        copy = MakeDailyBackup(ctx.dir, LocalNow().day);
    } else if (a.size() == 2 && a[0] == "--out") {
        copy = CopyArchiveFiles(ctx.dir, a[1]);
    } else {
        ctx.err << "usage: corvelo-cli [--dir FOLDER] " << kBackupUsage << "\n";
        return kUsage;
    }
    if (!copy.discarded) PrintCopied(ctx.out, nullptr, copy);
    if (copy.ok()) {
        if (copy.copied.empty())
            ctx.err << "backup: no archive file in " << ctx.dir.string() << "\n";
        return kDone;
    }
    ctx.err << "backup: " << BackupFailureText(copy) << "\n";
    if (!copy.pending.empty()) ctx.err << "backup: not copied: " << NameList(copy.pending) << "\n";
    if (copy.discarded) ctx.err << "backup: the incomplete copy was removed\n";
    return kFileError;
}

int RestoreCommand(Context& ctx) {
    if (ctx.args.size() != 1) {
        ctx.err << "usage: corvelo-cli [--dir FOLDER] " << kRestoreUsage << "\n";
        return kUsage;
    }
    const std::filesystem::path from = ctx.args[0];
    const Clock now = LocalNow();
    const Restore r = RestoreBackup(ctx.dir, from, now.day, now.timeOfDay);
    switch (r.refusal) {
        case Restore::Refusal::kNone:
            break;
        case Restore::Refusal::kNotAFolder:
            ctx.err << "restore: " << from.string() << " is not a folder\n";
            return kUsage;
        case Restore::Refusal::kNoArchives:
            ctx.err << "restore: " << from.string()
                    << " holds no archive file (.ric, Clienti.pro, Magazzino.pro, Vendarolo.ini, "
                       "unins000.dll, Logo.bmp); nothing was changed\n";
            return kUsage;
        case Restore::Refusal::kDataFolder:
            ctx.err << "restore: " << from.string() << " is the data folder itself\n";
            return kUsage;
        case Restore::Refusal::kUnreadable:
            ctx.err << "restore: " << from.string() << " cannot be read; nothing was changed\n";
            return kFileError;
    }
    PrintCopied(ctx.out, "saved", r.saved);
    if (!r.saved.ok()) {
        ctx.err << "restore: the current files could not be saved first: "
                << BackupFailureText(r.saved) << "\nrestore: nothing was restored\n";
        return kFileError;
    }
    PrintCopied(ctx.out, "restored", r.restored);
    for (const std::string& name : r.leftAsIs) {
        ctx.out << "kept " << (ctx.dir / name).string() << " (not in the backup)\n";
    }
    if (!r.restored.ok()) {
        ctx.err << "restore: " << BackupFailureText(r.restored) << "\n"
                << "restore: not restored: " << NameList(r.restored.pending) << "\n"
                << "restore: the files as they were before are in " << r.saved.to.string() << "\n";
        return kFileError;
    }
    return kDone;
}

static CliCommand backup("backup", kBackupUsage, Backup);
static CliCommand restore("restore", kRestoreUsage, RestoreCommand);

}  // namespace
}  // namespace corvelo::cli

#include "core/app/backup.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <system_error>
#include <utility>

#include "core/app/settings_names.h"
#include "core/storage/file_replace.h"

namespace corvelo {
namespace {

namespace fs_ = std::filesystem;

class DiskFolders : public BackupFolders {
  public:
    Kind KindOf(const fs_::path& path) override {
        std::error_code ec;
        const fs_::file_status st = fs_::status(path, ec);
        if (st.type() == fs_::file_type::not_found) return Kind::kMissing;
        if (ec) return Kind::kOther;
        if (st.type() == fs_::file_type::regular) return Kind::kFile;
        if (st.type() == fs_::file_type::directory) return Kind::kFolder;
        return Kind::kOther;
    }

    Result<std::vector<Entry>> List(const fs_::path& folder) override {
        Result<std::vector<Entry>> result;
        std::error_code ec;
        fs_::directory_iterator it(folder, ec);
        for (; !ec && it != fs_::directory_iterator(); it.increment(ec)) {
            result.value.push_back({it->path().filename().string(), KindOf(it->path())});
        }
        if (ec) result.status = Status::Error(IoOp::kOpen, folder.string() + ": " + ec.message());
        return result;
    }

    Status CreateFolder(const fs_::path& folder) override {
        std::error_code ec;
        fs_::create_directories(folder, ec);
        if (ec || KindOf(folder) != Kind::kFolder) {
            return Status::Error(IoOp::kCreate, folder.string() + ": " + ec.message());
        }
        return Status::Ok();
    }

    Status RemoveEmptyFolder(const fs_::path& folder) override {
        std::error_code ec;
        // fs::remove takes files too; only a folder is meant here.
        if (KindOf(folder) != Kind::kFolder || !fs_::remove(folder, ec) || ec) {
            return Status::Error(IoOp::kRemove, folder.string() + ": " + ec.message());
        }
        return Status::Ok();
    }
};

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Streams the bytes of `source` into the sink; a read that fails gives the
// replacement up, so the target keeps its old content.
void CopyInto(FileSink& sink, File& source, Status* read_status) {
    constexpr std::size_t kChunk = FileSink::kBlock;
    std::unique_ptr<char[]> buffer(new char[kChunk]);
    const Result<std::uint64_t> size = source.Size();
    if (!size.ok()) {
        *read_status = size.status;
        sink.Fail(size.status);
        return;
    }
    std::uint64_t total = 0;
    while (sink.ok()) {
        const Result<std::size_t> got = source.Read(buffer.get(), kChunk);
        if (!got.ok()) {
            *read_status = got.status;
            sink.Fail(got.status);
            return;
        }
        // A short read is not the end: only a read of nothing is.
        if (got.value == 0) break;
        sink.Append(std::string_view(buffer.get(), got.value));
        total += got.value;
    }
    // A file that changed its length under the copy is not copied whole.
    if (sink.ok() && total != size.value) {
        *read_status = Status::Error(IoOp::kRead, "length changed while copying");
        sink.Fail(*read_status);
    }
}

// Copies one file; sets *step to the side that failed.
Status CopyOne(const fs_::path& from, const fs_::path& to, FileSystem& fs, BackupStep* step) {
    std::unique_ptr<File> source;
    // Read only, so a backup on read-only media can be restored and a file
    // that went away since the listing is never created empty.
    if (Status s = fs.OpenForReading(from, &source); !s.ok() || !source) {
        *step = BackupStep::kRead;
        return s.ok() ? Status::Error(IoOp::kOpen, from.string()) : s;
    }
    Status read_status;
    Status written = ReplaceFile(
        to, [&](FileSink& sink) { CopyInto(sink, *source, &read_status); }, fs);
    const Status closed = source->Close();
    if (!read_status.ok()) {
        *step = BackupStep::kRead;
        return read_status;
    }
    if (!written.ok()) {
        *step = BackupStep::kWrite;
        return written;
    }
    // The copy is whole; a source that fails only to close was read all the same.
    (void)closed;
    return Status::Ok();
}

bool IsLeftoverTemporary(std::string_view name) {
    // ".<archive name>.<anything>.tmp", as a replacement names its temporary file.
    if (name.size() < 6 || name.front() != '.' || !name.ends_with(".tmp")) return false;
    name.remove_prefix(1);
    const std::size_t dot = name.find('.', name.find('.') + 1);
    return dot != std::string_view::npos && IsArchiveFileName(name.substr(0, dot));
}

std::string TwoDigits(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02u", value % 100);
    return text;
}

}  // namespace

BackupFolders& DefaultBackupFolders() {
    static DiskFolders folders;
    return folders;
}

bool IsArchiveFileName(std::string_view name) {
    static constexpr std::string_view kFixed[] = {"Clienti.pro", "Magazzino.pro",
                                                  settings::kSettingsFileName,
                                                  settings::kPasswordFileName, "Logo.bmp"};
    if (std::find(std::begin(kFixed), std::end(kFixed), name) != std::end(kFixed)) return true;
    return name.size() == 8 && name.ends_with(".ric") && IsDigits(name.substr(0, 4));
}

Result<std::vector<std::string>> ArchiveFilesIn(const fs_::path& folder, BackupFolders& folders) {
    Result<std::vector<std::string>> result;
    Result<std::vector<BackupFolders::Entry>> entries = folders.List(folder);
    result.status = entries.status;
    for (const BackupFolders::Entry& e : entries.value) {
        if (e.kind == BackupFolders::Kind::kFile && IsArchiveFileName(e.name)) {
            result.value.push_back(e.name);
        }
    }
    std::sort(result.value.begin(), result.value.end());
    return result;
}

std::string DailyBackupName(std::chrono::year_month_day day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

bool IsDailyBackupName(std::string_view name) {
    if (name.size() != 10 || name[4] != '-' || name[7] != '-') return false;
    const std::string_view y = name.substr(0, 4), m = name.substr(5, 2), d = name.substr(8, 2);
    if (!IsDigits(y) || !IsDigits(m) || !IsDigits(d)) return false;
    const auto number = [](std::string_view digits) { return std::stoi(std::string(digits)); };
    const std::chrono::year_month_day day{std::chrono::year(number(y)),
                                          std::chrono::month(static_cast<unsigned>(number(m))),
                                          std::chrono::day(static_cast<unsigned>(number(d)))};
    return day.ok();
}

fs_::path BackupRoot(const fs_::path& data) {
    return data / std::string(kBackupFolderName);
}

fs_::path DailyBackupFolder(const fs_::path& data, std::chrono::year_month_day day) {
    return BackupRoot(data) / DailyBackupName(day);
}

bool DailyBackupDue(const fs_::path& data, std::chrono::year_month_day day,
                    BackupFolders& folders) {
    return folders.KindOf(DailyBackupFolder(data, day)) == BackupFolders::Kind::kMissing;
}

BackupCopy CopyArchiveFiles(const fs_::path& from, const fs_::path& to, FileSystem& fs,
                            BackupFolders& folders) {
    BackupCopy copy;
    copy.from = from;
    copy.to = to;
    Result<std::vector<std::string>> names = ArchiveFilesIn(from, folders);
    if (!names.ok()) {
        copy.failedStep = BackupStep::kListFolder;
        copy.status = names.status;
        return copy;
    }
    if (Status s = folders.CreateFolder(to); !s.ok()) {
        copy.failedStep = BackupStep::kCreateFolder;
        copy.status = s;
        copy.pending = names.value;
        return copy;
    }
    for (std::size_t i = 0; i < names.value.size(); ++i) {
        const std::string& name = names.value[i];
        BackupStep step = BackupStep::kNone;
        if (Status s = CopyOne(from / name, to / name, fs, &step); !s.ok()) {
            copy.failedStep = step;
            copy.status = s;
            copy.pending.assign(names.value.begin() + static_cast<std::ptrdiff_t>(i),
                                names.value.end());
            return copy;
        }
        copy.copied.push_back(name);
    }
    return copy;
}

BackupCopy MakeDailyBackup(const fs_::path& data, std::chrono::year_month_day day, FileSystem& fs,
                           BackupFolders& folders) {
    const fs_::path folder = DailyBackupFolder(data, day);
    const bool existed = folders.KindOf(folder) != BackupFolders::Kind::kMissing;
    BackupCopy copy = CopyArchiveFiles(data, folder, fs, folders);
    if (!copy.ok()) {
        // A half backup would pass for the day's one and stop the next start
        // from trying again.
        if (!existed && folders.KindOf(folder) == BackupFolders::Kind::kFolder) {
            copy.discarded = RemoveBackupFolder(folder, fs, folders).ok() &&
                             folders.KindOf(folder) == BackupFolders::Kind::kMissing;
        }
        return copy;
    }
    // The new backup is in place; a rotation that fails keeps more than it
    // should, which harms nothing.
    (void)RotateDailyBackups(data, fs, folders);
    return copy;
}

Status RotateDailyBackups(const fs_::path& data, FileSystem& fs, BackupFolders& folders) {
    const fs_::path root = BackupRoot(data);
    Result<std::vector<BackupFolders::Entry>> entries = folders.List(root);
    if (!entries.ok()) return entries.status;
    std::vector<std::string> daily;
    for (const BackupFolders::Entry& e : entries.value) {
        if (e.kind == BackupFolders::Kind::kFolder && IsDailyBackupName(e.name)) {
            daily.push_back(e.name);
        }
    }
    if (daily.size() <= kDailyBackupsKept) return Status::Ok();
    // Names of one fixed shape sort as their dates do.
    std::sort(daily.begin(), daily.end());
    Status first;
    for (std::size_t i = 0; i + kDailyBackupsKept < daily.size(); ++i) {
        Status s = RemoveBackupFolder(root / daily[i], fs, folders);
        if (first.ok()) first = std::move(s);
    }
    return first;
}

Status RemoveBackupFolder(const fs_::path& folder, FileSystem& fs, BackupFolders& folders) {
    Result<std::vector<BackupFolders::Entry>> entries = folders.List(folder);
    if (!entries.ok()) return entries.status;
    bool foreign = false;
    for (const BackupFolders::Entry& e : entries.value) {
        const bool ours = e.kind == BackupFolders::Kind::kFile &&
                          (IsArchiveFileName(e.name) || IsLeftoverTemporary(e.name));
        if (!ours) {
            foreign = true;
            continue;
        }
        if (Status s = fs.Remove(folder / e.name); !s.ok()) return s;
    }
    if (foreign) return Status::Ok();
    return folders.RemoveEmptyFolder(folder);
}

fs_::path PreRestoreFolder(const fs_::path& data, std::chrono::year_month_day day,
                           std::chrono::seconds time_of_day, BackupFolders& folders) {
    const long long s = ((time_of_day.count() % 86400) + 86400) % 86400;
    const std::string stem =
        DailyBackupName(day) + "-" + TwoDigits(static_cast<unsigned>(s / 3600)) +
        TwoDigits(static_cast<unsigned>(s / 60 % 60)) + TwoDigits(static_cast<unsigned>(s % 60)) +
        std::string(kPreRestoreSuffix);
    fs_::path folder = BackupRoot(data) / stem;
    for (int n = 2; folders.KindOf(folder) != BackupFolders::Kind::kMissing; ++n) {
        folder = BackupRoot(data) / (stem + "-" + std::to_string(n));
    }
    return folder;
}

Restore RestoreBackup(const fs_::path& data, const fs_::path& from, std::chrono::year_month_day day,
                      std::chrono::seconds time_of_day, FileSystem& fs, BackupFolders& folders) {
    Restore r;
    if (folders.KindOf(from) != BackupFolders::Kind::kFolder) {
        r.refusal = Restore::Refusal::kNotAFolder;
        return r;
    }
    Result<std::vector<std::string>> wanted = ArchiveFilesIn(from, folders);
    if (!wanted.ok()) {
        r.refusal = Restore::Refusal::kUnreadable;
        return r;
    }
    if (wanted.value.empty()) {
        r.refusal = Restore::Refusal::kNoArchives;
        return r;
    }
    std::error_code ec;
    if (fs_::equivalent(from, data, ec)) {
        r.refusal = Restore::Refusal::kDataFolder;
        return r;
    }

    r.saved =
        CopyArchiveFiles(data, PreRestoreFolder(data, day, time_of_day, folders), fs, folders);
    if (!r.saved.ok()) return r;
    for (const std::string& name : r.saved.copied) {
        if (!std::binary_search(wanted.value.begin(), wanted.value.end(), name)) {
            r.leftAsIs.push_back(name);
        }
    }
    // Every file copied back goes through a replacement of its own, so each
    // one is the old file or the restored one, never a mixture.
    r.restored.from = from;
    r.restored.to = data;
    for (std::size_t i = 0; i < wanted.value.size(); ++i) {
        const std::string& name = wanted.value[i];
        BackupStep step = BackupStep::kNone;
        if (Status s = CopyOne(from / name, data / name, fs, &step); !s.ok()) {
            r.restored.failedStep = step;
            r.restored.status = s;
            r.restored.pending.assign(wanted.value.begin() + static_cast<std::ptrdiff_t>(i),
                                      wanted.value.end());
            break;
        }
        r.restored.copied.push_back(name);
    }
    return r;
}

namespace {

// With `folders`, each folder is named; the warning at start names the
// backup folder once on its own.
std::string FailureText(const BackupCopy& copy, bool folders) {
    const std::string in_from = folders ? " nella cartella " + copy.from.string() : "";
    const std::string in_to = folders ? " nella cartella " + copy.to.string() : "";
    switch (copy.failedStep) {
        case BackupStep::kNone:
            return {};
        case BackupStep::kListFolder:
            return "non è stato possibile leggere la cartella " + copy.from.string();
        case BackupStep::kCreateFolder:
            return "non è stato possibile creare la cartella" +
                   (folders ? " " + copy.to.string() : std::string());
        case BackupStep::kRead:
            return "non è stato possibile leggere il file " + copy.FailedFile() + in_from;
        case BackupStep::kWrite:
            return "non è stato possibile scrivere il file " + copy.FailedFile() + in_to +
                   " (il disco potrebbe essere pieno o protetto)";
    }
    return {};
}

}  // namespace

std::string BackupFailureText(const BackupCopy& copy) {
    return FailureText(copy, true);
}

std::string DailyBackupWarning(const BackupCopy& copy) {
    std::string text =
        "Attenzione: la copia di sicurezza giornaliera degli archivi nella cartella " +
        copy.to.string() + " non è riuscita: " + FailureText(copy, false) + ".";
    text += "\r\n\r\nGli archivi non sono stati modificati e il programma si avvia normalmente.";
    if (copy.discarded) text += " La copia sarà ritentata al prossimo avvio.";
    return text;
}

}  // namespace corvelo

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "core/storage/file_system.h"

namespace corvelo {
namespace {

std::string Describe(const std::filesystem::path& path, int err) {
    return path.string() + ": " + std::strerror(err);
}

// How often a file written front to back starts its written bytes on their
// way to the disk.
constexpr std::size_t kWriteBehind = 8 * 1024 * 1024;

class PosixFile : public File {
  public:
    // With `write_behind`, the file is written front to back and every
    // kWriteBehind bytes their writing to disk is started without waiting.
    PosixFile(int fd, std::filesystem::path path, bool write_behind = false)
        : fd_(fd), path_(std::move(path)), write_behind_(write_behind) {}
    ~PosixFile() override {
        if (fd_ >= 0) ::close(fd_);
    }

    Result<std::uint64_t> Size() override {
        struct stat st {};
        if (fd_ < 0) return {Status::Error(IoOp::kSize, "closed"), 0};
        if (::fstat(fd_, &st) != 0) return {Status::Error(IoOp::kSize, Describe(path_, errno)), 0};
        return {Status::Ok(), static_cast<std::uint64_t>(st.st_size)};
    }

    Status Seek(std::uint64_t offset) override {
        if (fd_ < 0) return Status::Error(IoOp::kSeek, "closed");
        if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
            return Status::Error(IoOp::kSeek, Describe(path_, errno));
        }
        return Status::Ok();
    }

    Result<std::size_t> Read(char* buffer, std::size_t n) override {
        if (fd_ < 0) return {Status::Error(IoOp::kRead, "closed"), 0};
        std::size_t done = 0;
        while (done < n) {
            const ssize_t got = ::read(fd_, buffer + done, n - done);
            if (got < 0) {
                if (errno == EINTR) continue;
                return {Status::Error(IoOp::kRead, Describe(path_, errno)), done};
            }
            if (got == 0) break;
            done += static_cast<std::size_t>(got);
        }
        return {Status::Ok(), done};
    }

    Status Write(const char* data, std::size_t n) override {
        if (fd_ < 0) return Status::Error(IoOp::kWrite, "closed");
        std::size_t done = 0;
        // A regular file takes the whole record in one call; the loop only
        // covers a call cut short by a signal.
        while (done < n) {
            const ssize_t put = ::write(fd_, data + done, n - done);
            if (put < 0) {
                if (errno == EINTR) continue;
                return Status::Error(IoOp::kWrite, Describe(path_, errno));
            }
            if (put == 0) return Status::Error(IoOp::kWrite, path_.string() + ": nothing written");
            done += static_cast<std::size_t>(put);
        }
        if (write_behind_) StartWriteBehind(n);
        return Status::Ok();
    }

    Status Truncate(std::uint64_t size) override {
        if (fd_ < 0) return Status::Error(IoOp::kWrite, "closed");
        if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
            return Status::Error(IoOp::kWrite, Describe(path_, errno));
        }
        return Status::Ok();
    }

    Status Flush() override {
        if (fd_ < 0) return Status::Error(IoOp::kFlush, "closed");
        if (::fsync(fd_) != 0) return Status::Error(IoOp::kFlush, Describe(path_, errno));
        return Status::Ok();
    }

    Status Close() override {
        if (fd_ < 0) return Status::Error(IoOp::kClose, "closed twice");
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) return Status::Error(IoOp::kClose, Describe(path_, errno));
        return Status::Ok();
    }

  private:
    void StartWriteBehind(std::size_t written) {
        written_ += written;
        if (written_ - started_ < kWriteBehind) return;
#if defined(__linux__)
        ::sync_file_range(fd_, static_cast<off_t>(started_),
                          static_cast<off_t>(written_ - started_), SYNC_FILE_RANGE_WRITE);
#endif
        started_ = written_;
    }

    int fd_;
    std::filesystem::path path_;
    bool write_behind_;
    std::uint64_t written_ = 0;  // bytes written so far
    std::uint64_t started_ = 0;  // bytes whose writing to disk has been started
};

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Temporary files are named "." + target name + "." + pid + "." + n + ".tmp".
std::string TemporaryStem(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".";
}

// The process id in the name of a temporary file of the target whose stem
// is `stem`, or nullopt for any other name.
std::optional<pid_t> TemporaryOwner(std::string_view name, std::string_view stem) {
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() <= stem.size() + kSuffix.size() || !name.starts_with(stem) ||
        !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    name = name.substr(stem.size(), name.size() - stem.size() - kSuffix.size());
    const std::size_t dot = name.find('.');
    if (dot == 0 || dot == std::string_view::npos || dot + 1 == name.size()) return std::nullopt;
    long long pid = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (i == dot) continue;
        if (c < '0' || c > '9') return std::nullopt;
        if (i < dot) {
            pid = pid * 10 + (c - '0');
            if (pid > 0x7FFFFFFF) return std::nullopt;
        }
    }
    return static_cast<pid_t>(pid);
}

bool ProcessRuns(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}

class PosixFileSystem : public FileSystem {
  public:
    Status OpenOrCreate(const std::filesystem::path& path, std::unique_ptr<File>* file) override {
        for (int attempt = 0; attempt < 2; ++attempt) {
            int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
            if (fd >= 0) return Adopt(fd, path, file);
            if (errno != ENOENT) return Status::Error(IoOp::kOpen, Describe(path, errno));
            // Only a missing file is created, and O_EXCL makes sure that a file
            // appearing meanwhile is opened, not truncated.
            fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) return Adopt(fd, path, file);
            if (errno != EEXIST) return Status::Error(IoOp::kCreate, Describe(path, errno));
        }
        return Status::Error(IoOp::kOpen, path.string() + ": cannot open");
    }

    Status OpenForReading(const std::filesystem::path& path, std::unique_ptr<File>* file) override {
        file->reset();
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) return Adopt(fd, path, file);
        if (errno == ENOENT) return Status::Ok();
        return Status::Error(IoOp::kOpen, Describe(path, errno));
    }

    Status CheckWritable(const std::filesystem::path& path) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return Status::Ok();
            return Status::Error(IoOp::kAccess, Describe(path, errno));
        }
        if (!S_ISREG(st.st_mode)) {
            return Status::Error(IoOp::kAccess, path.string() + ": not a regular file");
        }
        // The read-only mark is the user's word, also for a process that
        // could write the file all the same.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return Status::Error(IoOp::kAccess, path.string() + ": read-only");
        }
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
            return Status::Error(IoOp::kAccess, Describe(path, errno));
        }
        return Status::Ok();
    }

    Status CreateTemporary(const std::filesystem::path& target, std::filesystem::path* temp,
                           std::unique_ptr<File>* file) override {
        static std::atomic<unsigned> counter{0};
        const std::filesystem::path folder = FolderOf(target);
        const std::string stem = TemporaryStem(target) + std::to_string(::getpid()) + ".";
        struct stat old {};
        const bool had_target = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::filesystem::path name = folder / (stem + std::to_string(counter++) + ".tmp");
            const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0) {
                if (errno == EEXIST) continue;  // left by an earlier run: take another name
                return Status::Error(IoOp::kCreate, Describe(name, errno));
            }
            // Not every file system keeps permissions: a refusal leaves the
            // usual ones of a new file.
            if (had_target) (void)::fchmod(fd, old.st_mode & 07777);
            // The lock goes with the open file: it tells a live replacement
            // from one whose process died. Where locks are not kept, the
            // running process id alone tells.
            (void)::flock(fd, LOCK_EX | LOCK_NB);
            *temp = name;
            *file = std::make_unique<PosixFile>(fd, std::move(name), true);
            return Status::Ok();
        }
        return Status::Error(IoOp::kCreate, (folder / stem).string() + "*: every name is taken");
    }

    Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) {
            return Status::Error(IoOp::kRename, from.string() + " -> " + Describe(to, errno));
        }
        return Status::Ok();
    }

    void RemoveAbandonedTemporaries(const std::filesystem::path& target) override {
        const std::filesystem::path folder = FolderOf(target);
        const std::string stem = TemporaryStem(target);
        std::error_code ec;
        std::filesystem::directory_iterator it(folder, ec);
        for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
            const std::filesystem::path path = it->path();
            // A process still running may be about to lock a file it has
            // just created (or be another program under a reused id): its
            // files are left alone.
            const std::optional<pid_t> owner = TemporaryOwner(path.filename().string(), stem);
            if (!owner || ProcessRuns(*owner)) continue;
            const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0) continue;
            struct stat st {};
            if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                (void)::unlink(path.c_str());
            }
            ::close(fd);
        }
    }

    Status Remove(const std::filesystem::path& path) override {
        if (::unlink(path.c_str()) != 0) return Status::Error(IoOp::kRemove, Describe(path, errno));
        return Status::Ok();
    }

    Status SyncFolder(const std::filesystem::path& folder) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return Status::Error(IoOp::kSyncFolder, Describe(folder, errno));
        const bool synced = ::fsync(fd) == 0;
        const int err = errno;
        ::close(fd);
        if (!synced) return Status::Error(IoOp::kSyncFolder, Describe(folder, err));
        return Status::Ok();
    }

  private:
    static Status Adopt(int fd, const std::filesystem::path& path, std::unique_ptr<File>* file) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return Status::Error(IoOp::kOpen, path.string() + ": not a regular file");
        }
        *file = std::make_unique<PosixFile>(fd, path);
        return Status::Ok();
    }
};

std::atomic<FileSystem*> g_default{nullptr};  // null: the system's

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem fs;
    return fs;
}

FileSystem& DefaultFileSystem() {
    FileSystem* fs = g_default.load(std::memory_order_acquire);
    return fs ? *fs : SystemFileSystem();
}

ScopedDefaultFileSystem::ScopedDefaultFileSystem(FileSystem& fs)
    : previous_(g_default.exchange(&fs, std::memory_order_acq_rel)) {}

ScopedDefaultFileSystem::~ScopedDefaultFileSystem() {
    g_default.store(previous_, std::memory_order_release);
}

}  // namespace corvelo

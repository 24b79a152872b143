#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "core/storage/file_system.h"

namespace corvelo {
namespace {

std::string Describe(const std::filesystem::path& path, int err) {
    return path.string() + ": " + std::strerror(err);
}

class PosixFile : public File {
  public:
    PosixFile(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
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
    int fd_;
    std::filesystem::path path_;
};

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

}  // namespace

FileSystem& DefaultFileSystem() {
    static PosixFileSystem fs;
    return fs;
}

}  // namespace corvelo

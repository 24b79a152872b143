#include "core/storage/file_replace.h"

#include <algorithm>
#include <memory>
#include <new>
#include <utility>

namespace corvelo {
namespace {

constexpr std::align_val_t kPage{4096};

// Until the rename has been done, leaving the scope (by a failure or an
// exception out of the writer) closes and removes the temporary file.
class TemporaryFile {
  public:
    TemporaryFile(FileSystem& fs, std::filesystem::path path, std::unique_ptr<File> file)
        : fs_(fs), path_(std::move(path)), file_(std::move(file)) {}
    ~TemporaryFile() {
        if (file_) file_->Close();
        if (!kept_) fs_.Remove(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    File& file() { return *file_; }
    const std::filesystem::path& path() const { return path_; }

    Status Close() {
        std::unique_ptr<File> file = std::move(file_);
        return file->Close();
    }
    // The file now lives under another name: nothing is left to remove.
    void Keep() { kept_ = true; }

  private:
    FileSystem& fs_;
    std::filesystem::path path_;
    std::unique_ptr<File> file_;
    bool kept_ = false;
};

}  // namespace

FileSink::FileSink(File& file)
    : file_(file), buffer_(static_cast<char*>(::operator new[](kBlock, kPage))) {}

FileSink::~FileSink() {
    ::operator delete[](buffer_, kPage);
}

void FileSink::AppendInBlocks(std::string_view bytes) {
    while (!bytes.empty()) {
        if (used_ == kBlock) Drain();
        const std::size_t n = std::min(bytes.size(), kBlock - used_);
        std::memcpy(buffer_ + used_, bytes.data(), n);
        used_ += n;
        bytes.remove_prefix(n);
    }
}

void FileSink::Drain() {
    if (status_.ok() && used_ > 0) status_ = file_.Write(buffer_, used_);
    used_ = 0;
}

void FileSink::Fail(Status status) {
    if (status_.ok()) status_ = std::move(status);
    used_ = 0;
}

Status FileSink::Finish() {
    Drain();
    return status_;
}

Status ReplaceFile(const std::filesystem::path& path, const std::function<void(FileSink&)>& fill,
                   FileSystem& fs) {
    if (Status s = fs.CheckWritable(path); !s.ok()) return s;
    std::filesystem::path temp_path;
    std::unique_ptr<File> file;
    if (Status s = fs.CreateTemporary(path, &temp_path, &file); !s.ok()) return s;
    TemporaryFile temp(fs, std::move(temp_path), std::move(file));

    Status written;
    {
        FileSink sink(temp.file());
        fill(sink);
        written = sink.Finish();
    }
    if (!written.ok()) return written;
    if (Status s = temp.file().Flush(); !s.ok()) return s;
    if (Status s = temp.Close(); !s.ok()) return s;
    if (Status s = fs.Rename(temp.path(), path); !s.ok()) return s;
    temp.Keep();
    fs.SyncFolder(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."));
    // A replacement killed part way leaves its temporary file; the next one
    // that succeeds clears it away.
    fs.RemoveAbandonedTemporaries(path);
    return Status::Ok();
}

Status ReplaceFile(const std::filesystem::path& path, std::string_view bytes, FileSystem& fs) {
    return ReplaceFile(
        path, [bytes](FileSink& sink) { sink.Append(bytes); }, fs);
}

Result<std::optional<std::string>> ReadWholeFile(const std::filesystem::path& path,
                                                 FileSystem& fs) {
    std::unique_ptr<File> file;
    if (Status s = fs.OpenForReading(path, &file); !s.ok()) return {s, std::nullopt};
    if (!file) return {Status::Ok(), std::nullopt};
    std::string bytes;
    char buffer[8192];
    for (;;) {
        // A read that returns fewer bytes than asked is not taken for the
        // end: only a read of nothing is.
        const Result<std::size_t> got = file->Read(buffer, sizeof buffer);
        if (!got.ok()) {
            file->Close();
            return {got.status, std::nullopt};
        }
        if (got.value == 0) break;
        bytes.append(buffer, got.value);
    }
    if (Status s = file->Close(); !s.ok()) return {s, std::nullopt};
    return {Status::Ok(), std::move(bytes)};
}

}  // namespace corvelo

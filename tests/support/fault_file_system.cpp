#include "support/fault_file_system.h"

#include <algorithm>
#include <system_error>

namespace corvelo {
namespace {

class FaultFile : public File {
  public:
    FaultFile(FaultFileSystem& owner, std::unique_ptr<File> base)
        : owner_(owner), base_(std::move(base)) {
        const Result<std::uint64_t> size = base_->Size();
        end_ = size.ok() ? size.value : 0;
    }

    Result<std::uint64_t> Size() override {
        if (owner_.ShouldFail(IoOp::kSize)) return {Status::Error(IoOp::kSize, "injected"), 0};
        return base_->Size();
    }
    Status Seek(std::uint64_t offset) override {
        if (owner_.ShouldFail(IoOp::kSeek)) return Status::Error(IoOp::kSeek, "injected");
        Status s = base_->Seek(offset);
        if (s.ok()) at_ = offset;
        return s;
    }
    Result<std::size_t> Read(char* buffer, std::size_t n) override {
        if (owner_.ShouldFail(IoOp::kRead)) return {Status::Error(IoOp::kRead, "injected"), 0};
        if (owner_.ShortReadLimit() != 0) n = std::min(n, owner_.ShortReadLimit());
        Result<std::size_t> got = base_->Read(buffer, n);
        at_ += got.value;
        return got;
    }
    Status Write(const char* data, std::size_t n) override {
        if (owner_.ShouldFail(IoOp::kWrite)) {
            if (owner_.TornWriteBytes() != 0) Put(data, std::min(n, owner_.TornWriteBytes()));
            return Status::Error(IoOp::kWrite, "injected");
        }
        // Only bytes past the end of the file take room on the disk.
        const std::uint64_t grows = at_ + n > end_ ? at_ + n - std::max(at_, end_) : 0;
        const std::size_t room = owner_.TakeRoom(static_cast<std::size_t>(grows));
        if (room < grows) {
            const std::size_t fits = static_cast<std::size_t>(n - grows + room);
            if (fits != 0) Put(data, fits);
            return Status::Error(IoOp::kWrite, "No space left on device");
        }
        return Put(data, n);
    }
    Status Truncate(std::uint64_t size) override {
        Status s = base_->Truncate(size);
        if (s.ok()) end_ = size;
        return s;
    }
    Status Flush() override {
        if (owner_.ShouldFail(IoOp::kFlush)) return Status::Error(IoOp::kFlush, "injected");
        return base_->Flush();
    }
    Status Close() override {
        // The real file is closed either way, so a failing close leaks nothing.
        Status real = base_->Close();
        if (owner_.ShouldFail(IoOp::kClose)) return Status::Error(IoOp::kClose, "injected");
        return real;
    }

  private:
    Status Put(const char* data, std::size_t n) {
        Status s = base_->Write(data, n);
        if (s.ok()) {
            at_ += n;
            end_ = std::max(end_, at_);
        }
        return s;
    }

    FaultFileSystem& owner_;
    std::unique_ptr<File> base_;
    std::uint64_t at_ = 0;   // the current offset
    std::uint64_t end_ = 0;  // the length of the file
};

}  // namespace

void FaultFileSystem::Heal() {
    fail_after_.clear();
    once_.clear();
    calls_.clear();
    short_read_ = 0;
    torn_write_ = 0;
    free_bytes_.reset();
    ran_out_ = false;
}

std::size_t FaultFileSystem::TakeRoom(std::size_t n) {
    if (!free_bytes_) return n;
    const std::size_t fits = std::min(n, *free_bytes_);
    *free_bytes_ -= fits;
    if (fits < n) ran_out_ = true;
    return fits;
}

int FaultFileSystem::Calls(IoOp op) const {
    auto it = calls_.find(op);
    return it == calls_.end() ? 0 : it->second;
}

bool FaultFileSystem::ShouldFail(IoOp op) {
    const int n = ++calls_[op];
    auto it = fail_after_.find(op);
    if (it == fail_after_.end()) return false;
    if (once_[op]) return n == it->second + 1;
    return n > it->second;
}

Status FaultFileSystem::OpenOrCreate(const std::filesystem::path& path,
                                     std::unique_ptr<File>* file) {
    std::error_code ec;
    const bool missing = !std::filesystem::exists(path, ec) && !ec;
    if (ShouldFail(IoOp::kOpen)) return Status::Error(IoOp::kOpen, "injected");
    if (missing && ShouldFail(IoOp::kCreate)) return Status::Error(IoOp::kCreate, "injected");
    std::unique_ptr<File> base;
    if (Status s = base_.OpenOrCreate(path, &base); !s.ok()) return s;
    *file = std::make_unique<FaultFile>(*this, std::move(base));
    return Status::Ok();
}

Status FaultFileSystem::OpenForReading(const std::filesystem::path& path,
                                       std::unique_ptr<File>* file) {
    std::unique_ptr<File> base;
    if (Status s = base_.OpenForReading(path, &base); !s.ok() || !base) {
        file->reset();
        return s;
    }
    if (ShouldFail(IoOp::kOpen)) {
        base->Close();
        file->reset();
        return Status::Error(IoOp::kOpen, "injected");
    }
    *file = std::make_unique<FaultFile>(*this, std::move(base));
    return Status::Ok();
}

Status FaultFileSystem::CheckWritable(const std::filesystem::path& path) {
    if (ShouldFail(IoOp::kAccess)) return Status::Error(IoOp::kAccess, "injected");
    return base_.CheckWritable(path);
}

Status FaultFileSystem::CreateTemporary(const std::filesystem::path& target,
                                        std::filesystem::path* temp, std::unique_ptr<File>* file) {
    if (ShouldFail(IoOp::kCreate)) return Status::Error(IoOp::kCreate, "injected");
    std::unique_ptr<File> base;
    if (Status s = base_.CreateTemporary(target, temp, &base); !s.ok()) return s;
    *file = std::make_unique<FaultFile>(*this, std::move(base));
    return Status::Ok();
}

Status FaultFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (ShouldFail(IoOp::kRename)) return Status::Error(IoOp::kRename, "injected");
    return base_.Rename(from, to);
}

Status FaultFileSystem::Remove(const std::filesystem::path& path) {
    if (ShouldFail(IoOp::kRemove)) return Status::Error(IoOp::kRemove, "injected");
    return base_.Remove(path);
}

Status FaultFileSystem::SyncFolder(const std::filesystem::path& folder) {
    if (ShouldFail(IoOp::kSyncFolder)) return Status::Error(IoOp::kSyncFolder, "injected");
    return base_.SyncFolder(folder);
}

}  // namespace corvelo

// A FileSystem for tests that passes every call to a real one and makes
// chosen steps fail: open, create, seek, read, write, flush, close, the
// writability check, rename, remove and folder flush, or reads that return
// fewer bytes than asked. A failing step changes nothing on disk, except a
// write made to fail part way (TornWrites) and one that fills the disk
// (NoSpace).
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "core/storage/file_system.h"

namespace corvelo {

class FaultFileSystem : public FileSystem {
  public:
    // `base` must outlive this object and every file it opens.
    explicit FaultFileSystem(FileSystem& base = SystemFileSystem()) : base_(base) {}

    // Makes the calls of kind `op` fail, from the (skip+1)-th call on
    // (counted over all files opened through this object). kOpen fails
    // OpenOrCreate, kSize fails File::Size; kCreate fails OpenOrCreate only
    // when the file is missing, and CreateTemporary always; kAccess fails
    // CheckWritable.
    void FailFrom(IoOp op, int skip = 0) { fail_after_[op] = skip; }
    // Makes only the (skip+1)-th call of kind `op` fail.
    void FailOnce(IoOp op, int skip = 0) {
        fail_after_[op] = skip;
        once_[op] = true;
    }
    // Makes every read return at most `max_bytes` bytes (a short read).
    void ShortReads(std::size_t max_bytes) { short_read_ = max_bytes; }
    // Makes every failing write first write the first `bytes` bytes of its
    // data (a write that fails part way).
    void TornWrites(std::size_t bytes) { torn_write_ = bytes; }
    // Leaves `free_bytes` bytes of room on the disk: once the writes made
    // through this object have used them up to lengthen files, a write that
    // lengthens a file puts down the part that still fits and fails (kWrite,
    // "No space left on device"), as a full disk does. Overwriting bytes a
    // file already has takes no room.
    void NoSpace(std::size_t free_bytes) { free_bytes_ = free_bytes; }
    // Forgets every planned fault and resets the counters.
    void Heal();

    // Number of calls of kind `op` made so far.
    int Calls(IoOp op) const;
    // Whether a write has found the disk full (see NoSpace).
    bool RanOutOfRoom() const { return ran_out_; }

    Status OpenOrCreate(const std::filesystem::path& path, std::unique_ptr<File>* file) override;
    Status OpenForReading(const std::filesystem::path& path, std::unique_ptr<File>* file) override;
    Status CheckWritable(const std::filesystem::path& path) override;
    Status CreateTemporary(const std::filesystem::path& target, std::filesystem::path* temp,
                           std::unique_ptr<File>* file) override;
    Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    Status Remove(const std::filesystem::path& path) override;
    Status SyncFolder(const std::filesystem::path& folder) override;

    // Used by the files this object hands out: counts the call and says
    // whether it must fail.
    bool ShouldFail(IoOp op);
    std::size_t ShortReadLimit() const { return short_read_; }
    std::size_t TornWriteBytes() const { return torn_write_; }
    // Takes room for a write of n bytes and returns how many fit (n when
    // NoSpace is not in force).
    std::size_t TakeRoom(std::size_t n);

  private:
    FileSystem& base_;
    std::map<IoOp, int> fail_after_;
    std::map<IoOp, bool> once_;
    std::map<IoOp, int> calls_;
    std::size_t short_read_ = 0;             // 0: no limit
    std::size_t torn_write_ = 0;             // 0: a failing write writes nothing
    std::optional<std::size_t> free_bytes_;  // room left; none: no limit
    bool ran_out_ = false;
};

}  // namespace corvelo

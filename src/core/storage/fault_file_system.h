// A FileSystem for tests that passes every call to a real one and makes
// chosen steps fail: open, seek, read, write, flush, close, or reads that
// return fewer bytes than asked. A failing step changes nothing on disk.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>

#include "core/storage/file_system.h"

namespace corvelo {

class FaultFileSystem : public FileSystem {
  public:
    // `base` must outlive this object and every file it opens.
    explicit FaultFileSystem(FileSystem& base = DefaultFileSystem()) : base_(base) {}

    // Makes the calls of kind `op` fail, from the (skip+1)-th call on
    // (counted over all files opened through this object). kOpen fails
    // OpenOrCreate, kSize fails File::Size; kCreate fails OpenOrCreate only when
    // the file is missing.
    void FailFrom(IoOp op, int skip = 0) { fail_after_[op] = skip; }
    // Makes only the (skip+1)-th call of kind `op` fail.
    void FailOnce(IoOp op, int skip = 0) {
        fail_after_[op] = skip;
        once_[op] = true;
    }
    // Makes every read return at most `max_bytes` bytes (a short read).
    void ShortReads(std::size_t max_bytes) { short_read_ = max_bytes; }
    // Forgets every planned fault and resets the counters.
    void Heal();

    // Number of calls of kind `op` made so far.
    int Calls(IoOp op) const;

    Status OpenOrCreate(const std::filesystem::path& path, std::unique_ptr<File>* file) override;

    // Used by the files this object hands out: counts the call and says
    // whether it must fail.
    bool ShouldFail(IoOp op);
    std::size_t ShortReadLimit() const { return short_read_; }

  private:
    FileSystem& base_;
    std::map<IoOp, int> fail_after_;
    std::map<IoOp, bool> once_;
    std::map<IoOp, int> calls_;
    std::size_t short_read_ = 0;  // 0: no limit
};

}  // namespace corvelo

// The outcome of a file operation. Errors are values: every storage call
// that can fail returns a Status (or a Result carrying one), and the caller
// turns a failure into its own message (the access message for a record file).
#pragma once

#include <string>
#include <utility>

namespace corvelo {

// Which step of a file operation failed. The last four are steps of a whole
// file replacement: the check that an existing file may be written, the
// rename over it, the removal of a temporary file, the flush of a folder.
enum class IoOp {
    kNone,
    kOpen,
    kCreate,
    kSize,
    kSeek,
    kRead,
    kWrite,
    kFlush,
    kClose,
    kAccess,
    kRename,
    kRemove,
    kSyncFolder,
};

class Status {
  public:
    Status() = default;  // success
    static Status Ok() { return {}; }
    static Status Error(IoOp op, std::string detail = {}) { return Status(op, std::move(detail)); }

    bool ok() const { return op_ == IoOp::kNone; }
    // The failed step; kNone on success.
    IoOp op() const { return op_; }
    // A short technical description (path, errno text) for logs and tests;
    // never shown to the user.
    const std::string& detail() const { return detail_; }

  private:
    Status(IoOp op, std::string detail) : op_(op), detail_(std::move(detail)) {}
    IoOp op_ = IoOp::kNone;
    std::string detail_;
};

// A value together with the status of the call that produced it; value is
// meaningful only when ok().
template <class T>
struct Result {
    Status status;
    T value{};
    bool ok() const { return status.ok(); }
};

}  // namespace corvelo

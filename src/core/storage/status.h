// The outcome of a file operation on a record file. Errors are values: every
// storage call that can fail returns a Status (or a Result carrying one), and
// the caller turns a failure into the access message.
#pragma once

#include <string>
#include <utility>

namespace corvelo {

// Which step of a file operation failed.
enum class IoOp { kNone, kOpen, kCreate, kSize, kSeek, kRead, kWrite, kFlush, kClose };

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

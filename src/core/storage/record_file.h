// A file of fixed-length records with no header: record k (0-based) lies at
// byte k x S. A file is opened, used and closed within one user action;
// records are overwritten in place or appended, never removed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

class RecordFile {
  public:
    RecordFile() = default;
    RecordFile(RecordFile&&) noexcept = default;
    RecordFile& operator=(RecordFile&&) noexcept = default;
    // Closes the file if still open, ignoring errors: callers that care call
    // CloseRecordFile themselves.
    ~RecordFile();

    // Opens `path` for reading and writing at record 0, creating it empty only
    // when it does not exist. An existing file that cannot be opened is an
    // error and is never re-created or truncated.
    // REQUIRES: record_size > 0 and the object is not open.
    Status OpenOrCreate(const std::filesystem::path& path, std::size_t record_size,
                        FileSystem& fs = DefaultFileSystem());

    // The same for a writer: first puts back a record that an overwrite
    // killed part way left behind (RepairInterruptedWrite). Only the holder
    // of the data folder's lock writes, so only writers open this way;
    // readers use OpenOrCreate and never touch the undo file.
    Status OpenForWriting(const std::filesystem::path& path, std::size_t record_size,
                          FileSystem& fs = DefaultFileSystem());

    bool IsOpen() const { return file_ != nullptr; }
    std::size_t RecordSize() const { return record_size_; }

    // Number of whole records: file length div record size. A trailing
    // partial record is never counted.
    std::size_t RecordCount() const { return static_cast<std::size_t>(length_ / record_size_); }
    // Bytes after the last whole record (a trailing partial record); 0 normally.
    std::size_t TrailingBytes() const { return static_cast<std::size_t>(length_ % record_size_); }

    // Moves to record `index`; index == RecordCount() is the append position.
    // An index past the append position is an error (it would leave a gap).
    Status SeekRecord(std::size_t index);

    // The 0-based index that the next read or write uses; right after reading
    // or writing record k it is k + 1, the 1-based number of that record.
    std::size_t CurrentPosition() const { return position_; }

    // Reads the record at the current position into `buffer` (resized to the
    // record size) and advances by one. Reading at or past the end, or a
    // short read, is an error; the position is then unchanged.
    Status ReadRecord(std::string& buffer);

    // Writes `record` (exactly RecordSize() bytes) at the current position,
    // overwriting the record there or appending at RecordCount(), in one write
    // call, and flushes it to disk before returning success. Advances by one.
    // A record of another size is refused without touching the file.
    // An overwrite reads the old bytes of the record first and puts them in
    // the undo file of the archive (see undo_file.h) before the record is
    // touched; a failing read refuses the write, a failing undo file refuses
    // it as kWrite. The undo file is removed once the new record is flushed
    // (a failing removal is kRemove: the next writer will put the old record
    // back). When the write fails, part way or not, the old bytes are
    // written back (best effort) before the failure returns, and the undo
    // file stays unless that succeeded. A failing flush keeps the new
    // bytes: they are whole in the file.
    Status WriteRecord(std::string_view record);

    // True when the current position is at or past RecordCount().
    bool AtEnd() const { return position_ >= RecordCount(); }

    // Closes the file. Closing a file that is not open is an error.
    Status CloseRecordFile();

  private:
    Status SeekFile(std::size_t index);
    Status RemoveUndoFile();

    std::unique_ptr<File> file_;
    std::filesystem::path path_;
    FileSystem* fs_ = nullptr;
    std::size_t record_size_ = 1;
    std::uint64_t length_ = 0;  // kept up to date by our own writes
    std::size_t position_ = 0;
    bool file_at_position_ = true;  // the file offset matches position_
};

}  // namespace corvelo

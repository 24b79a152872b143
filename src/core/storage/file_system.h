// The small file interface under RecordFile and ReplaceFile. Every access to
// a record file and every whole-file write goes through it, so tests can put
// a fault-injecting implementation in place of the real one and make each
// step fail on demand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/storage/status.h"

namespace corvelo {

// An open file with a current offset, opened for reading and writing (or,
// made by CreateTemporary, for writing only).
class File {
  public:
    virtual ~File() = default;

    // Returns the file length in bytes.
    virtual Result<std::uint64_t> Size() = 0;
    // Moves the current offset to `offset` (may be at or past the end).
    virtual Status Seek(std::uint64_t offset) = 0;
    // Reads up to n bytes at the current offset and advances past them.
    // Returns the number read, which is less than n only at the end of the
    // file (or when a fault is injected); 0 at the end.
    virtual Result<std::size_t> Read(char* buffer, std::size_t n) = 0;
    // Writes all n bytes at the current offset in one request and advances.
    // REQUIRES: nothing else is written between two Writes of one record.
    virtual Status Write(const char* data, std::size_t n) = 0;
    // Cuts the file to `size` bytes (kWrite on failure), for taking back the
    // part of an append that a failing write put down. The offset is kept.
    virtual Status Truncate(std::uint64_t size) = 0;
    // Forces the written bytes to the disk (fsync).
    virtual Status Flush() = 0;
    // Closes the file; further calls fail. Closing twice is an error.
    virtual Status Close() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Opens the file at `path` for reading and writing at offset 0. Only a
    // file that does not exist is created (empty); an existing file that
    // cannot be opened is an error and is left as it is (never truncated or
    // re-created). On success *file holds the open file.
    virtual Status OpenOrCreate(const std::filesystem::path& path, std::unique_ptr<File>* file) = 0;

    // Opens the existing file at `path` for reading only, at offset 0: a
    // file marked read-only is read all the same. A missing file is not
    // created: the call returns ok and leaves *file empty, so a caller tells
    // "no file" from a file that cannot be opened (kOpen).
    virtual Status OpenForReading(const std::filesystem::path& path,
                                  std::unique_ptr<File>* file) = 0;

    // Returns ok when nothing exists at `path`, or when it is a regular file
    // that this process may write and that is not marked read-only (no write
    // permission for anyone, honoured also where the process could override
    // it). Otherwise a kAccess error: a file the user protected, a folder or
    // a device in the way is never replaced. Changes nothing.
    virtual Status CheckWritable(const std::filesystem::path& path) = 0;

    // Creates a new empty file for writing in the folder of `target`, under
    // a hidden name derived from target's that no other file has, and sets
    // *temp to that name and *file to the open file, which holds the name as
    // in use until it is closed (see RemoveAbandonedTemporaries). The file gets the
    // permissions of `target` when it exists (as far as the folder allows),
    // those of any new file otherwise. Its bytes are started on their way
    // to the disk while more are written, so that the final Flush has little
    // left to wait for. On failure (kCreate: missing folder, no right to
    // write in it, a name too long) nothing is created.
    virtual Status CreateTemporary(const std::filesystem::path& target, std::filesystem::path* temp,
                                   std::unique_ptr<File>* file) = 0;

    // Renames the file `from` to `to` in one step, replacing a file at `to`:
    // any reader sees either the old file or the new one. On failure
    // (kRename) both are left as they were.
    virtual Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

    // Removes the temporary files of `target` that replacements left behind
    // when their process ended before finishing them (killed, a power cut):
    // files named as CreateTemporary names them, held by no open file and by
    // no running process. Best effort: what cannot be removed stays, and
    // nothing is reported. A file system without such temporaries does
    // nothing.
    virtual void RemoveAbandonedTemporaries(const std::filesystem::path& target) { (void)target; }

    // Whether anything exists at `path` (kOpen when that cannot be told).
    virtual Result<bool> Exists(const std::filesystem::path& path) {
        std::error_code ec;
        const std::filesystem::file_status st = std::filesystem::symlink_status(path, ec);
        if (st.type() == std::filesystem::file_type::not_found) return {Status::Ok(), false};
        if (ec) return {Status::Error(IoOp::kOpen, ec.message()), false};
        return {Status::Ok(), true};
    }

    // Removes the file at `path` (kRemove on failure).
    virtual Status Remove(const std::filesystem::path& path) = 0;

    // Forces the entries of `folder` (a file created or renamed in it) to
    // the disk (kSyncFolder on failure).
    virtual Status SyncFolder(const std::filesystem::path& folder) = 0;
};

// The file system every storage call uses unless given another: the real
// one, or the one put in place by a ScopedDefaultFileSystem.
FileSystem& DefaultFileSystem();

// The real file system of the machine (POSIX calls).
FileSystem& SystemFileSystem();

// Makes `fs` the default file system for the lifetime of this object, then
// puts the previous one back. For tests that reach the storage calls through
// code that does not pass a file system on (the screens), so that they can
// inject faults there. REQUIRES: `fs` outlives this object; objects of this
// kind are destroyed in the reverse order of their creation.
class ScopedDefaultFileSystem {
  public:
    explicit ScopedDefaultFileSystem(FileSystem& fs);
    ~ScopedDefaultFileSystem();
    ScopedDefaultFileSystem(const ScopedDefaultFileSystem&) = delete;
    ScopedDefaultFileSystem& operator=(const ScopedDefaultFileSystem&) = delete;

  private:
    FileSystem* previous_;
};

}  // namespace corvelo

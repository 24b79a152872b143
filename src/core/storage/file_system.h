// The small file interface under RecordFile. Every access to a record file
// goes through it, so tests can put a fault-injecting implementation in place
// of the real one and make each step fail on demand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "core/storage/status.h"

namespace corvelo {

// An open file with a current offset, opened for reading and writing.
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
};

// The real file system of the machine (POSIX calls).
FileSystem& DefaultFileSystem();

}  // namespace corvelo

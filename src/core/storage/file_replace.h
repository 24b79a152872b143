// Whole files. Every file the application writes in one piece (settings and
// password files, exports, PDF documents, the logo) is replaced through
// here, so that the file is at every moment either all of the old one or all
// of the new one, also across a crash; and read back whole through here.
#pragma once

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

// Where the content of a replacement goes. Appended bytes are gathered in a
// page-aligned buffer and handed to the temporary file in whole blocks, so
// a writer may append many small pieces cheaply and the file is written at
// block-aligned offsets (which the kernel copies far faster than a large
// unaligned string).
class FileSink {
  public:
    static constexpr std::size_t kBlock = 256 * 1024;

    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    void Append(std::string_view bytes) {
        if (bytes.size() <= kBlock - used_) {  // the common case: it fits
            std::memcpy(buffer_ + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
            return;
        }
        AppendInBlocks(bytes);
    }
    void Append(char c) {
        if (used_ == kBlock) Drain();
        buffer_[used_++] = c;
    }

    // Gives the replacement up: nothing more reaches the file, and
    // ReplaceFile returns `status` with the old file left as it was. The
    // first failure (this or a failed write) is the one kept.
    void Fail(Status status);

    // False once a write has failed or Fail was called; appending more is
    // harmless but wasted, so a long writer may stop early.
    bool ok() const { return status_.ok(); }

  private:
    friend Status ReplaceFile(const std::filesystem::path&, const std::function<void(FileSink&)>&,
                              FileSystem&);
    explicit FileSink(File& file);
    ~FileSink();

    void AppendInBlocks(std::string_view bytes);
    // Writes what is buffered (unless a failure came first) and empties the
    // buffer.
    void Drain();
    // Drains and returns the first failure.
    Status Finish();

    File& file_;
    char* buffer_;
    std::size_t used_ = 0;
    Status status_;
};

// Replaces the file at `path` with what `fill` appends to the sink it is
// given. In order: checks that a file already at `path` may be written
// (kAccess: read-only, a folder in the way); creates a temporary file in the
// same folder (kCreate); lets `fill` write into it (kWrite, or the status
// given to FileSink::Fail); flushes it to disk (kFlush) and closes it
// (kClose); renames it over `path` (kRename); flushes the folder so that the
// rename is on disk too.
// Returns ok once the new file is in place; the temporary files of `path`
// that replacements killed part way left behind are then removed too
// (FileSystem::RemoveAbandonedTemporaries). On any failure returns the
// failed step; `path` is left exactly as it was (the old file whole, or no
// file) and the temporary file is removed (best effort: a removal that fails
// is not reported over the failure that caused it).
// A failing flush of the folder is not reported: the new file is then in
// place, and some file systems cannot flush a folder at all.
// REQUIRES: `fill` does not keep the sink beyond the call.
Status ReplaceFile(const std::filesystem::path& path, const std::function<void(FileSink&)>& fill,
                   FileSystem& fs = DefaultFileSystem());

// The same for bytes already in memory.
Status ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                   FileSystem& fs = DefaultFileSystem());

// Reads the whole file at `path`. Returns ok with nullopt when there is no
// file, ok with its bytes when it was read to the end, and the failed step
// (kOpen, kRead, ...) when it exists and cannot be read. Changes nothing.
Result<std::optional<std::string>> ReadWholeFile(const std::filesystem::path& path,
                                                 FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

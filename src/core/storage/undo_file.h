// The undo file of a record overwrite. Before a record is overwritten in
// place, its offset, its size and its old bytes are put in a small hidden
// file beside the archive (".<archive name>.annulla"), written whole or not
// at all through ReplaceFile; the undo file is removed once the new record
// is on disk. A process killed in between leaves the undo file, and the
// next writer of the archive puts the old bytes back, so a record is always
// all old or all new, never new up to some page and old after it.
// Appends need no undo file: a torn append is a trailing partial record,
// which is never counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

// ".<archive name>.annulla" in the folder of `archive`.
std::filesystem::path UndoFilePath(const std::filesystem::path& archive);

// Replaces the undo file of `archive` with one saying that `old` are the
// bytes at `offset`. On failure no undo file is left half written.
Status WriteUndoFile(const std::filesystem::path& archive, std::uint64_t offset,
                     std::string_view old, FileSystem& fs = DefaultFileSystem());

// Puts back the record that an overwrite killed part way left behind: when
// the undo file of `archive` exists and fits the archive (one whole record
// of `record_size` bytes inside the file), writes its old bytes at its
// offset, flushes them and removes the undo file. Without an undo file does
// nothing. An undo file that does not fit is left as it is and reported
// (kRead), never guessed at; so is an archive that is missing.
// Only the writer of an archive may call this: a reader that repaired while
// a save runs would undo that save.
Status RepairInterruptedWrite(const std::filesystem::path& archive, std::size_t record_size,
                              FileSystem& fs = DefaultFileSystem());

// RepairInterruptedWrite for every archive of the data folder `folder` that
// has an undo file (the yearly receipt archives, Clienti.pro,
// Magazzino.pro). Returns the first failure; the other archives are still
// repaired. Call it with the folder's single-copy lock held.
Status RepairArchives(const std::filesystem::path& folder, FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

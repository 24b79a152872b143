// Whole-file reads of record files for lists, searches, summaries and
// exports: open (creating a missing file empty), read every record in file
// order, close.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <type_traits>

#include "core/storage/file_system.h"
#include "core/storage/record_file.h"
#include "core/storage/record_table.h"
#include "core/storage/status.h"

namespace corvelo {

// Calls visit(const R& record, std::size_t card) for each record of the file
// at `path`, card being the 1-based record number; stops early when visit
// returns false (visit may also return void). Returns the first failure
// (open, read, close); the records visited before it stay visited, so a
// caller that keeps what it gathered can do so.
template <class R, class Visit>
Status ScanRecords(const std::filesystem::path& path, Visit&& visit,
                   FileSystem& fs = DefaultFileSystem()) {
    RecordFile file;
    if (Status s = file.OpenOrCreate(path, R::kSize, fs); !s.ok()) return s;
    std::string bytes;
    R record;
    while (!file.AtEnd()) {
        if (Status s = file.ReadRecord(bytes); !s.ok()) return s;
        DecodeRecord(bytes, record);
        if constexpr (std::is_same_v<decltype(visit(record, file.CurrentPosition())), bool>) {
            if (!visit(static_cast<const R&>(record), file.CurrentPosition())) break;
        } else {
            visit(static_cast<const R&>(record), file.CurrentPosition());
        }
    }
    return file.CloseRecordFile();
}

// What reading one card by its number found.
enum class CardLookup {
    kRead,        // the card was read
    kNoSuchCard,  // the file holds fewer whole records than the number
    kFileError,   // the file could not be opened, read or closed
};

template <class R>
struct CardRead {
    CardLookup lookup = CardLookup::kFileError;
    R value{};      // the record, when read
    Status status;  // the failed step on kFileError, ok otherwise
    bool ok() const { return lookup == CardLookup::kRead; }
};

// Reads card `card` (1-based) of the file at `path`, opened as every reader
// opens it (a missing file is created empty, so it has no cards). Card 0
// and a number past the last whole record give kNoSuchCard; a trailing
// partial record is no card. A failing close after the read is a file error.
template <class R>
CardRead<R> ReadCard(const std::filesystem::path& path, std::size_t card,
                     FileSystem& fs = DefaultFileSystem()) {
    CardRead<R> result;
    RecordFile file;
    if (result.status = file.OpenOrCreate(path, R::kSize, fs); !result.status.ok()) return result;
    const bool found = card >= 1 && card <= file.RecordCount();
    std::string bytes;
    if (found) {
        result.status = file.SeekRecord(card - 1);
        if (result.status.ok()) result.status = file.ReadRecord(bytes);
        if (!result.status.ok()) return result;
    }
    if (result.status = file.CloseRecordFile(); !result.status.ok()) return result;
    if (!found) {
        result.lookup = CardLookup::kNoSuchCard;
        return result;
    }
    DecodeRecord(bytes, result.value);
    result.lookup = CardLookup::kRead;
    return result;
}

// Writes `record` over card `card` (1-based), or appends it when card is 0;
// returns the 1-based number of the record written.
template <class R>
Result<std::size_t> WriteCard(const std::filesystem::path& path, const R& record, std::size_t card,
                              FileSystem& fs = DefaultFileSystem()) {
    Result<std::size_t> result;
    RecordFile file;
    if (result.status = file.OpenForWriting(path, R::kSize, fs); !result.ok()) return result;
    const std::size_t index = card == 0 ? file.RecordCount() : card - 1;
    if (result.status = file.SeekRecord(index); !result.ok()) return result;
    if (result.status = file.WriteRecord(EncodeRecord(record)); !result.ok()) return result;
    result.value = file.CurrentPosition();
    result.status = file.CloseRecordFile();
    return result;
}

// Number of records of the file at `path` (created empty when missing).
Result<std::size_t> CountRecords(const std::filesystem::path& path, std::size_t record_size,
                                 FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

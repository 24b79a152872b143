// Reading every record of an archive as raw bytes, many records per read,
// for the scans that go through a whole year (search, unpaid list,
// summaries, statistics, export). The scans pick the few fields they need
// from the bytes instead of decoding whole records.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/storage/file_system.h"
#include "core/storage/fixed_text.h"
#include "core/storage/record_table.h"
#include "core/storage/status.h"

namespace corvelo {

// Calls visit(const char* record, std::size_t card) for each whole record of
// the file at `path` (created empty when missing), card the 1-based record
// number; visit may return false to stop. A trailing partial record is not
// a record. Returns the first failure (open, size, read, close); the
// records visited before it stay visited.
class ArchiveReader {
  public:
    // Reads are page-aligned blocks into a page-aligned buffer: the kernel
    // copies such blocks several times faster than unaligned ones.
    static constexpr std::size_t kBlock = 256 * 1024;
    static constexpr std::size_t kPage = 4096;

    template <class Visit>
    static Status Scan(const std::filesystem::path& path, std::size_t record_size, Visit&& visit,
                       FileSystem& fs = DefaultFileSystem()) {
        ArchiveReader reader;
        if (Status s = reader.Open(path, record_size, fs); !s.ok()) return s;
        std::size_t card = 0;
        while (true) {
            const char* first = nullptr;
            std::size_t got = 0;
            if (Status s = reader.Next(&first, &got); !s.ok()) return s;
            if (got == 0) break;
            for (std::size_t i = 0; i < got; ++i) {
                const char* record = first + i * record_size;
                ++card;
                if constexpr (std::is_same_v<decltype(visit(record, card)), bool>) {
                    if (!visit(record, card)) return reader.Close();
                } else {
                    visit(record, card);
                }
            }
        }
        return reader.Close();
    }

    ArchiveReader() = default;
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;
    // A scan that stopped on a failure still releases the file.
    ~ArchiveReader();

  private:
    Status Open(const std::filesystem::path& path, std::size_t record_size, FileSystem& fs);
    // Reads the next block; *first points to `*records` whole records (0 at
    // the end of the whole records).
    Status Next(const char** first, std::size_t* records);
    Status Close();

    std::unique_ptr<File> file_;
    char* buffer_ = nullptr;  // prefix_ bytes, then the aligned block
    std::size_t prefix_ = 0;  // room before the block for a record cut by it
    std::size_t record_size_ = 1;
    std::size_t left_ = 0;   // bytes of whole records not read yet
    std::size_t carry_ = 0;  // bytes of a cut record at the end of the last block
    std::size_t last_ = 0;   // bytes read into the block last time
};

// The trimmed Windows-1252 bytes of field `f` of a raw record.
inline std::string_view RawField(const char* record, const RecordField& f) {
    const char* field = record + f.offset;
    std::size_t end = static_cast<unsigned char>(field[0]);
    if (end > f.capacity) end = f.capacity;
    const char* text = field + 1;
    std::size_t begin = 0;
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return std::string_view(text + begin, end - begin);
}

// A rough number of records of the file at `path`, to size result lists
// (0 when the size cannot be read).
std::size_t RecordCountHint(const std::filesystem::path& path, std::size_t record_size);

// Appends Windows-1252 bytes to a UTF-8 text.
void AppendCp1252(std::string_view bytes, std::string& out);

}  // namespace corvelo

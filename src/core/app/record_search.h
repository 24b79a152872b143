// What every search screen shares (receipts, customers, items): the criteria
// matching of the "Cerca" button over raw records, and finding again the
// record behind a double-clicked result line.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/storage/file_system.h"
#include "core/storage/record_table.h"
#include "core/storage/status.h"

namespace corvelo {

// Number of criterion boxes whose trimmed text is not empty: the criteria in
// use (lblConta).
std::size_t CountCriteriaInUse(std::span<const std::string> boxes);

// True when `typed`, as typed, occurs in `field` (both UTF-8), the letters
// A-Z compared as a-z and every other character (accented letters too) as
// it is. An empty text matches nothing.
bool SearchTextMatches(std::string_view typed, std::string_view field);

// The criteria of one search: box i, as typed (blanks kept), is looked for
// in field i of each record. A record is listed when at least
// CountCriteriaInUse() boxes are hits, so with every box empty every record
// is listed, and a box of blanks only counts no criterion but is a hit where
// the field holds those blanks.
class CriteriaMatcher {
  public:
    // REQUIRES: boxes.size() == fields.size().
    CriteriaMatcher(std::span<const std::string> boxes, std::span<const RecordField> fields);

    std::size_t Needed() const { return needed_; }

    // True when the raw record (its record-size bytes) is listed.
    bool Matches(const char* record) const;

  private:
    struct Criterion {
        std::string key;  // Windows-1252 bytes, A-Z lowered
        RecordField field;
    };
    std::vector<Criterion> criteria_;  // the non-empty boxes a record can hold
    std::size_t needed_ = 0;
};

// The record behind a list line, found by building every record's line.
template <class R>
struct LocatedRecord {
    Status status;
    std::size_t card = 0;  // 1-based; 0 when no record gives the line
    R record;              // the whole record at `card`, decoded
    bool found() const { return status.ok() && card != 0; }
};

// Appends the list line of a raw record to the text.
using LineBuilder = std::function<void(const char* record, std::string& line)>;

// Reads the file at `path` (created empty when missing) from the first
// record to the last and compares each record's line with `line`, both
// trimmed; when several records give the line the last of them is the one.
// The record is read whole before anything is returned: on a file failure
// card is 0 and status says why, so a screen never fills half a card.
// `record` holds the raw bytes of the record found (empty when none).
LocatedRecord<std::string> LocateRecordByLine(const std::filesystem::path& path,
                                              std::size_t record_size, std::string_view line,
                                              const LineBuilder& build,
                                              FileSystem& fs = DefaultFileSystem());

// The same over a record type (TRicevuta, TCliente, TArticolo).
template <class R>
LocatedRecord<R> LocateByLine(const std::filesystem::path& path, std::string_view line,
                              const LineBuilder& build, FileSystem& fs = DefaultFileSystem()) {
    LocatedRecord<std::string> raw = LocateRecordByLine(path, R::kSize, line, build, fs);
    LocatedRecord<R> out;
    out.status = std::move(raw.status);
    out.card = raw.card;
    if (out.card != 0) DecodeRecord(raw.record, out.record);
    return out;
}

}  // namespace corvelo

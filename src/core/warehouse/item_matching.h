// What the warehouse lists share with the other search screens: the
// criteria matching of the search windows, the order of a result list and
// finding the record behind a chosen list line.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/storage/archive_scan.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"
#include "core/storage/text.h"

namespace corvelo {

// The lines of a result list, in list order.
using ItemLines = std::vector<std::string>;

// Number of criteria in use: the boxes whose trimmed text is not empty
// (lblConta).
std::size_t CountCriteria(std::span<const std::string> typed);

// True when a record is listed: for each box, its text as typed (blanks
// kept) found anywhere in the record's field of that box, with the letters
// A-Z taken as a-z, is a hit (an empty box never is); the record is listed
// when the hits reach CountCriteria(typed). So with every box empty every
// record is listed. `fields` holds the record's texts (UTF-8), one per box.
bool MatchesCriteria(std::span<const std::string> typed, std::span<const std::string_view> fields);

// Sorts the lines by their text with A-Z taken as a-z, equal lines kept in
// their order.
void SortLinesCaseless(ItemLines& lines);

struct LocatedRecord {
    Status status;
    std::size_t card = 0;  // 1-based; 0 when no record gives the line
    std::string bytes;     // the record at `card`
    bool found() const { return status.ok() && card != 0; }
};

// The record behind a chosen list line: every record of the file at `path`
// is turned into its line by append_line(const char* record, std::string&
// out) and compared with `line`, both trimmed; when several records give the
// same line the last of them is the one. On a failure nothing is found, so a
// screen loads a card whole or not at all.
template <class AppendLine>
LocatedRecord LocateRecordByLine(const std::filesystem::path& path, std::size_t record_size,
                                 std::string_view line, AppendLine&& append_line,
                                 FileSystem& fs = DefaultFileSystem()) {
    LocatedRecord out;
    const std::string_view wanted = TrimView(line);
    std::string built;
    out.status = ArchiveReader::Scan(
        path, record_size,
        [&](const char* record, std::size_t card) {
            built.clear();
            append_line(record, built);
            if (TrimView(built) == wanted) {
                out.card = card;
                out.bytes.assign(record, record_size);
            }
        },
        fs);
    if (!out.status.ok()) {
        out.card = 0;
        out.bytes.clear();
    }
    return out;
}

}  // namespace corvelo

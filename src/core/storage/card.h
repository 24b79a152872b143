// Card browsing and card saving, shared by the three card editors (receipts,
// customers, warehouse). A card editor remembers only its card position: the
// text of its hidden label lblPosizione, the 1-based number of the record it
// shows, or "" for a new card not yet saved. Each call opens the file, works
// and closes it, and tells the editor what to show, what the label becomes
// and which message to give.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/storage/file_system.h"
#include "core/storage/record_table.h"
#include "core/storage/status.h"

namespace corvelo {

enum class CardMessage {
    kNone,
    kArchivioVuoto,     // information: kMsgArchivioVuoto
    kModificheSalvate,  // information: kMsgModificheSalvate
    kSchedaInserita,    // information: kMsgSchedaInserita
    kAccessoArchivio,   // warning or error, as the screen decides: kMsgAccessoArchivio
};

// The text of a message; empty for kNone.
std::string_view CardMessageText(CardMessage message);

enum class CardMove { kFirst, kLast, kNext, kPrevious };

struct CardOutcome {
    // The bytes of the record to show in the editor; none when nothing is shown.
    std::optional<std::string> record;
    // The new text of lblPosizione. On a file failure it is the position the
    // call was given: the editor keeps what it showed.
    std::string position;
    CardMessage message = CardMessage::kNone;
    // The failure behind kAccessoArchivio (ok otherwise), for tests and logs.
    Status status;
};

// Goes to the first, last, next or previous card of the file at `path`
// (created empty when missing), starting from card position `position`.
// - First / Last: the first or last record; on an empty file kArchivioVuoto.
// - Next: the record after the shown one (record 0 from a new card); on an
//   empty file the position becomes "" and kArchivioVuoto; on the last card
//   nothing happens and nothing is said.
// - Previous: the record before the shown one (record 0 from a new card or
//   from card 2); on card 1 nothing happens, nothing is said; on an empty file
//   kArchivioVuoto.
// A position that is not "" or a whole number from 1 up gives kAccessoArchivio.
CardOutcome BrowseCard(CardMove move, const std::filesystem::path& path, std::size_t record_size,
                       std::string_view position, FileSystem& fs = DefaultFileSystem());

// Saves the card `record` (exactly record_size bytes): over the record at the
// card position (kModificheSalvate), or appended when the position is ""
// (kSchedaInserita). The new position is the number of the record written.
// Only that record's bytes change in the file.
CardOutcome SaveCard(const std::filesystem::path& path, std::string_view record,
                     std::size_t record_size, std::string_view position,
                     FileSystem& fs = DefaultFileSystem());

// The same over a record type (TRicevuta, TCliente, TArticolo).
template <class R>
struct CardView {
    std::optional<R> record;  // the record to show, if any
    std::string position;
    CardMessage message = CardMessage::kNone;
    Status status;
};

template <class R>
CardView<R> BrowseCard(CardMove move, const std::filesystem::path& path, std::string_view position,
                       FileSystem& fs = DefaultFileSystem()) {
    CardOutcome o = BrowseCard(move, path, R::kSize, position, fs);
    CardView<R> v{std::nullopt, std::move(o.position), o.message, std::move(o.status)};
    if (o.record) v.record = DecodeRecord<R>(*o.record);
    return v;
}

template <class R>
CardOutcome SaveCard(const std::filesystem::path& path, const R& record, std::string_view position,
                     FileSystem& fs = DefaultFileSystem()) {
    return SaveCard(path, EncodeRecord(record), R::kSize, position, fs);
}

// Parses a card position: "" gives 0 (a new card), "n" gives n >= 1; anything
// else (also "0") gives nullopt.
std::optional<std::size_t> ParseCardPosition(std::string_view position);

}  // namespace corvelo

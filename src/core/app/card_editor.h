// What the three card editors (receipts, customers, warehouse) share above
// the card file of card.h: the table that pairs each record field with the
// control showing it, the box kinds their file messages take, and the last
// step of every save.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/receipts/notice.h"
#include "core/storage/card.h"
#include "core/storage/file_system.h"
#include "core/storage/status.h"

namespace corvelo {

// One field of a card editor: the record field, the control that shows it
// and what a message calls it.
struct CardField {
    std::size_t field;         // TRicevuta::Cliente
    std::string_view control;  // "txtCliente"
    std::string_view caption;  // "Cognome e nome o ragione sociale Cliente" (UTF-8)
};

// The box each editor shows the access message in (kMsgAccessoArchivio)
// when its file fails: going to the first card, going to another card,
// saving.
struct CardFailureKinds {
    NoticeKind first;
    NoticeKind browse;
    NoticeKind save;
};

// What a browse tells: an information box for an empty archive, the access
// message in the box `kinds` gives the move, nothing otherwise.
Notice BrowseNotice(CardMessage message, CardMove move, const CardFailureKinds& kinds);

// What a card write tells: an information box for a card saved over its
// record or appended, the access message in the save box of `kinds`.
Notice SaveNotice(CardMessage message, const CardFailureKinds& kinds);

// A save check: the warning when the card may not be written, and the
// control to focus after it ("" for none).
struct SaveCheck {
    Notice notice;
    std::string focus;
    bool ok() const { return notice.empty(); }
};

// The outcome of a card editor's save, for the screen to show: the message,
// the control to focus, lblPosizione afterwards.
struct CardSaveOutcome {
    Notice notice;
    std::string focus;
    std::string position;
    bool saved = false;
    Status status;  // the file failure behind the access message, if any
};

// The last step of every card editor's save, once its own checks passed:
// `record` is written as SaveCard writes it (over the card position, or
// appended when it is "") and the outcome carries SaveNotice's message and
// lblPosizione as SaveCard leaves it.
CardSaveOutcome WriteCardBytes(const std::filesystem::path& path, std::string_view bytes,
                               std::size_t record_size, std::string_view position,
                               const CardFailureKinds& kinds, FileSystem& fs);

template <class R>
CardSaveOutcome WriteCard(const std::filesystem::path& path, const R& record,
                          std::string_view position, const CardFailureKinds& kinds,
                          FileSystem& fs = DefaultFileSystem()) {
    return WriteCardBytes(path, EncodeRecord(record), R::kSize, position, kinds, fs);
}

}  // namespace corvelo

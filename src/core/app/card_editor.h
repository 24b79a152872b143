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

// The characters of `text` that the archive cannot store (Windows-1252 has
// no byte for them: a Polish "ł", a Croatian "đ", a combining accent), each
// once, in the order they first appear.
std::u32string UnstorableCharacters(std::string_view text);

// The warning for a field whose text holds such characters: it names the
// field by its caption and lists the characters (those that show nothing by
// themselves by their code, "U+0301").
std::string UnstorableTextMessage(std::string_view caption, std::u32string_view characters);

// The first field of `fields`, in table order, whose text (texts[field])
// holds characters the archive cannot store: a warning naming it and them,
// and its control to focus. Ok when every text can be stored.
SaveCheck CheckStorable(std::span<const std::string> texts, std::span<const CardField> fields);

// The outcome of a card editor's save, for the screen to show: the message,
// the control to focus, lblPosizione afterwards.
struct CardSaveOutcome {
    Notice notice;
    std::string focus;
    std::string position;
    bool saved = false;
    Status status;  // the file failure behind the access message, if any
};

// The write of StoreCard alone, for the bytes of a card already checked.
CardSaveOutcome StoreCardBytes(const std::filesystem::path& path, std::string_view bytes,
                               std::size_t record_size, std::string_view position,
                               const CardFailureKinds& kinds, FileSystem& fs);

// The last step of every card editor's save, once its own checks passed.
// A card with a text the archive cannot store (CheckStorable over `fields`)
// is refused with that warning and nothing is written: stored, each such
// character would silently become "?". Otherwise `record` is written as
// SaveCard writes it (over the card position, or appended when it is "") and
// the outcome carries SaveNotice's message and lblPosizione as SaveCard
// leaves it.
template <class R>
CardSaveOutcome StoreCard(const std::filesystem::path& path, const R& record,
                          std::string_view position, std::span<const CardField> fields,
                          const CardFailureKinds& kinds, FileSystem& fs = DefaultFileSystem()) {
    if (SaveCheck check = CheckStorable(record.fields, fields); !check.ok()) {
        CardSaveOutcome refused;
        refused.notice = std::move(check.notice);
        refused.focus = std::move(check.focus);
        refused.position = std::string(position);
        return refused;
    }
    return StoreCardBytes(path, EncodeRecord(record), R::kSize, position, kinds, fs);
}

}  // namespace corvelo

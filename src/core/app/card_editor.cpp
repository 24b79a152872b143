#include "core/app/card_editor.h"

#include "core/storage/messages.h"

namespace corvelo {

Notice BrowseNotice(CardMessage message, CardMove move, const CardFailureKinds& kinds) {
    switch (message) {
        case CardMessage::kArchivioVuoto:
            return {NoticeKind::kInformation, std::string(kMsgArchivioVuoto)};
        case CardMessage::kAccessoArchivio:
            return {move == CardMove::kFirst ? kinds.first : kinds.browse,
                    std::string(kMsgAccessoArchivio)};
        default:
            return {};
    }
}

Notice SaveNotice(CardMessage message, const CardFailureKinds& kinds) {
    switch (message) {
        case CardMessage::kNone:
            return {};
        case CardMessage::kAccessoArchivio:
            return {kinds.save, std::string(kMsgAccessoArchivio)};
        default:
            return {NoticeKind::kInformation, std::string(CardMessageText(message))};
    }
}

CardSaveOutcome WriteCardBytes(const std::filesystem::path& path, std::string_view bytes,
                               std::size_t record_size, std::string_view position,
                               const CardFailureKinds& kinds, FileSystem& fs) {
    CardOutcome card = SaveCard(path, bytes, record_size, position, fs);
    CardSaveOutcome out;
    out.notice = SaveNotice(card.message, kinds);
    out.position = std::move(card.position);
    out.saved = card.message != CardMessage::kAccessoArchivio;
    out.status = std::move(card.status);
    return out;
}

}  // namespace corvelo

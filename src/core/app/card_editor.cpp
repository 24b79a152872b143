#include "core/app/card_editor.h"

#include <utility>

#include "core/storage/cp1252.h"
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

namespace {

// Characters that show nothing by themselves (combining marks, spaces and
// marks of layout, controls): a message names them by their code.
bool ShowsNothing(char32_t cp) {
    static constexpr std::pair<char32_t, char32_t> kRanges[] = {
        {0x0080, 0x009F}, {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05C7},    {0x0610, 0x061C},
        {0x064B, 0x065F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x2000, 0x200F},    {0x2028, 0x202F},
        {0x205F, 0x206F}, {0x20D0, 0x20FF}, {0x3000, 0x3000}, {0xE000, 0xF8FF},    {0xFE00, 0xFE0F},
        {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF}, {0xFFF0, 0xFFFD}, {0xE0000, 0x10FFFF},
    };
    for (const auto& [low, high] : kRanges) {
        if (cp >= low && cp <= high) return true;
    }
    return false;
}

std::string CodeOf(char32_t cp) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t v = cp; v != 0 || digits.size() < 4; v >>= 4)
        digits.insert(digits.begin(), kHex[v & 0xF]);
    return "U+" + digits;
}

}  // namespace

std::u32string UnstorableCharacters(std::string_view text) {
    std::u32string found;
    for (const char32_t cp : Utf8ToCodePoints(text)) {
        const bool storable = cp == U'?' || CodePointToCp1252(cp) != '?';
        if (!storable && found.find(cp) == std::u32string::npos) found += cp;
    }
    return found;
}

std::string UnstorableTextMessage(std::string_view caption, std::u32string_view characters) {
    std::string shown;
    for (const char32_t cp : characters) {
        if (!shown.empty()) shown += ' ';
        shown += ShowsNothing(cp) ? CodeOf(cp) : CodePointsToUtf8(std::u32string(1, cp));
    }
    return "Attenzione: il campo «" + std::string(caption) +
           "» contiene caratteri che l'archivio non può memorizzare: " + shown +
           ".\n\r\n\rPer poter salvare la scheda è necessario sostituirli, ad esempio con le "
           "lettere semplici corrispondenti.";
}

SaveCheck CheckStorable(std::span<const std::string> texts, std::span<const CardField> fields) {
    for (const CardField& f : fields) {
        const std::u32string bad = UnstorableCharacters(texts[f.field]);
        if (!bad.empty()) {
            return {{NoticeKind::kWarning, UnstorableTextMessage(f.caption, bad)},
                    std::string(f.control)};
        }
    }
    return {};
}

CardSaveOutcome StoreCardBytes(const std::filesystem::path& path, std::string_view bytes,
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

#include "core/customers/card_folder.h"

#include "core/storage/card.h"
#include "core/storage/text.h"

namespace corvelo {

CardFolderRequest RequestCardFolder(std::string_view position) {
    const std::string_view p = TrimView(position);
    if (p.empty())
        return {std::nullopt, {NoticeKind::kWarning, std::string(kMsgCartellaSoloSchedeSalvate)}};
    return {std::string(p), {}};
}

std::optional<std::filesystem::path> CardFolderPath(const std::filesystem::path& dir,
                                                    std::string_view memory) {
    const std::string_view m = TrimView(memory);
    if (m.empty()) return std::nullopt;
    const std::optional<std::size_t> card = ParseCardPosition(m);
    if (!card || *card == 0) return std::nullopt;
    return dir / ("Cliente_" + std::to_string(*card));
}

std::optional<std::filesystem::path> PrepareCardFolder(const std::filesystem::path& dir,
                                                       std::string_view memory,
                                                       AttachmentFiles& files) {
    std::optional<std::filesystem::path> folder = CardFolderPath(dir, memory);
    if (!folder || !files.CreateFolders(*folder).ok()) return std::nullopt;
    return folder;
}

}  // namespace corvelo

// The folder of a saved customer card: "Cliente_" followed by its card
// number, directly in the data folder, created when first opened.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "core/app/attachments.h"
#include "core/receipts/notice.h"
#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kCardFolderCaption =
    " Gestione cartella abbinata alla scheda corrente";

// Warning of cmdCartella on a card not saved yet.
inline constexpr std::string_view kMsgCartellaSoloSchedeSalvate =
    "Attenzione: l'abbinamento di una cartella ad un Cliente può avvenire soltanto dopo che "
    "la scheda è stata inserita in archivio.";

// cmdCartella: the card number for TfrmCartella's lblMemory (the trimmed
// card position), or nullopt with the warning for a card not saved yet.
struct CardFolderRequest {
    std::optional<std::string> memory;
    Notice notice;
};
CardFolderRequest RequestCardFolder(std::string_view position);

// <dir>/Cliente_<n> for a card number n (trimmed, decimal without leading
// zeros); nullopt when `memory` is not a card number, so no text from a
// label can name a folder elsewhere.
std::optional<std::filesystem::path> CardFolderPath(const std::filesystem::path& dir,
                                                    std::string_view memory);

// btnApriCartella: creates the card's folder (with missing parents) when it
// does not exist and returns the folder to open. nullopt when `memory` is
// not a card number or the folder cannot be created.
std::optional<std::filesystem::path> PrepareCardFolder(
    const std::filesystem::path& dir, std::string_view memory,
    AttachmentFiles& files = DefaultAttachmentFiles());

}  // namespace corvelo

#include "core/app/data_folder.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <system_error>

#include "core/app/settings_names.h"
#include "core/storage/file_replace.h"

namespace corvelo {
namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

std::string UsageMessage() {
    return "Argomenti non validi.\n\n"
           "Uso: corvelo [--dir CARTELLA | --user-dir]\n"
           "--dir CARTELLA: apre i dati della cartella indicata;\n"
           "--user-dir: apre i dati della cartella Corvelo nella cartella personale, "
           "creandola al primo avvio.";
}

std::string FolderMessage(FolderState state, const std::filesystem::path& folder) {
    switch (state) {
        case FolderState::kMissing:
            return "Attenzione: la cartella dei dati " + Quoted(folder) + " non esiste.";
        case FolderState::kNotFolder:
            return "Attenzione: " + Quoted(folder) + " non è una cartella.";
        case FolderState::kNoAccess:
            return "Attenzione: mancano i permessi per leggere e scrivere nella cartella dei "
                   "dati " +
                   Quoted(folder) + ".";
        case FolderState::kUsable:
            break;
    }
    return {};
}

std::string CopyMessage(const std::filesystem::path& folder) {
    return "Attenzione: impossibile copiare il file della password nella cartella dei dati " +
           Quoted(folder) + ". Si consiglia di reinstallare il software.";
}

// The path made absolute and without a trailing separator, so that the lock
// and every message name the folder in one way.
std::filesystem::path Absolute(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (ec) full = path;
    full = full.lexically_normal();
    if (!full.has_filename() && full.has_relative_path()) full = full.parent_path();
    return full;
}

}  // namespace

StartArguments ParseStartArguments(const std::vector<std::string>& args) {
    StartArguments result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (result.choice != FolderChoice::kProgram) {
            result.ok = false;
        } else if (args[i] == kDirOption && i + 1 < args.size() && !args[i + 1].empty()) {
            result.choice = FolderChoice::kGiven;
            result.dir = args[++i];
        } else if (args[i] == kUserDirOption) {
            result.choice = FolderChoice::kUser;
        } else {
            result.ok = false;
        }
        if (!result.ok) return StartArguments{FolderChoice::kProgram, {}, false};
    }
    return result;
}

FolderState CheckDataFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    const auto status = std::filesystem::status(folder, ec);
    if (!std::filesystem::exists(status)) return FolderState::kMissing;
    if (!std::filesystem::is_directory(status)) return FolderState::kNotFolder;
    if (::access(folder.c_str(), R_OK | W_OK | X_OK) != 0) return FolderState::kNoAccess;
    return FolderState::kUsable;
}

std::optional<std::filesystem::path> FindInstalledFile(
    const std::vector<std::filesystem::path>& folders, std::string_view name) {
    for (const auto& folder : folders) {
        std::error_code ec;
        const std::filesystem::path file = folder / name;
        if (std::filesystem::is_regular_file(file, ec)) return file;
    }
    return std::nullopt;
}

UserFolderOutcome CreateUserFolder(const std::filesystem::path& folder,
                                   const std::filesystem::path& defaultPassword, FileSystem& fs) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return UserFolderOutcome::kNotCreated;
    if (CheckDataFolder(folder) != FolderState::kUsable) return UserFolderOutcome::kUnusable;
    const std::filesystem::path password = folder / settings::kPasswordFileName;
    if (std::filesystem::exists(std::filesystem::symlink_status(password, ec))) {
        return UserFolderOutcome::kReady;
    }
    std::ifstream in(defaultPassword, std::ios::binary);
    if (defaultPassword.empty() || !in) return UserFolderOutcome::kNoDefault;
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) return UserFolderOutcome::kNoDefault;
    if (!ReplaceFile(password, bytes, fs).ok()) return UserFolderOutcome::kNotCopied;
    return UserFolderOutcome::kReady;
}

DataFolderResult OpenDataFolder(const StartArguments& args, const StartPlaces& places,
                                FileSystem& fs) {
    if (!args.ok) return {{}, UsageMessage()};
    std::filesystem::path folder;
    switch (args.choice) {
        case FolderChoice::kProgram:
            folder = Absolute(places.programFolder);
            break;
        case FolderChoice::kGiven:
            folder = Absolute(args.dir);
            break;
        case FolderChoice::kUser: {
            folder = Absolute(places.home / kUserFolderName);
            const auto source =
                FindInstalledFile(places.installedFiles, settings::kPasswordFileName);
            switch (CreateUserFolder(folder, source.value_or(std::filesystem::path()), fs)) {
                case UserFolderOutcome::kNotCreated:
                    return {folder, "Attenzione: impossibile creare la cartella dei dati " +
                                        Quoted(folder) + "."};
                case UserFolderOutcome::kNoDefault:
                case UserFolderOutcome::kNotCopied:
                    return {folder, CopyMessage(folder)};
                case UserFolderOutcome::kReady:
                case UserFolderOutcome::kUnusable:  // said below
                    break;
            }
        } break;
    }
    const FolderState state = CheckDataFolder(folder);
    if (state != FolderState::kUsable) return {folder, FolderMessage(state, folder)};
    return {folder, {}};
}

}  // namespace corvelo

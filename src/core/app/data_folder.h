// The data folder the application opens, as its command line asks: the
// folder of the executable (no option), a folder given with --dir, or the
// user's own folder ~/Corvelo (--user-dir, the way the desktop menu starts an
// installed copy), which the first start creates with the default password
// file. Also where the files installed with the program are found.
//
//   const StartArguments args = ParseStartArguments({"--dir", "/srv/dati"});
//   const DataFolderResult result = OpenDataFolder(args, places);
//   if (!result.ok()) { show result.message; end }
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/storage/file_system.h"

namespace corvelo {

// The name of the user's own data folder inside the home folder.
inline constexpr std::string_view kUserFolderName = "Corvelo";
// The option words of the command line.
inline constexpr std::string_view kDirOption = "--dir";
inline constexpr std::string_view kUserDirOption = "--user-dir";

enum class FolderChoice {
    kProgram,  // the folder of the executable
    kGiven,    // --dir FOLDER
    kUser,     // --user-dir: <home>/Corvelo
};

struct StartArguments {
    FolderChoice choice = FolderChoice::kProgram;
    std::filesystem::path dir;  // the folder given, for kGiven
    bool ok = true;             // false: the arguments were not understood
};

// Reads the arguments that follow the program name. Understood are none,
// "--dir FOLDER" (FOLDER not empty) and "--user-dir"; anything else (another
// word, --dir without a folder, both options, an option twice) is not ok.
StartArguments ParseStartArguments(const std::vector<std::string>& args);

// What stands at a path that is to be opened as the data folder.
enum class FolderState {
    kUsable,     // a folder this process may list, read and write in
    kMissing,    // nothing there
    kNotFolder,  // a file or something else that is not a folder
    kNoAccess,   // a folder, but without the right to read or write in it
};
FolderState CheckDataFolder(const std::filesystem::path& folder);

// The first of `folders` that holds a file called `name`; nullopt when none
// does.
std::optional<std::filesystem::path> FindInstalledFile(
    const std::vector<std::filesystem::path>& folders, std::string_view name);

// How making the user's own folder ended.
enum class UserFolderOutcome {
    kReady,       // the folder is there, usable, with a password file
    kNotCreated,  // the folder could not be made
    kUnusable,    // it is there but cannot be used (see CheckDataFolder)
    kNoDefault,   // no password file in it, and the default one is missing or unreadable
    kNotCopied,   // the copy of the default password file failed
};

// Creates `folder` (and any missing folder above it) unless it exists, then
// copies `defaultPassword` into it as the password file unless the folder
// already holds one: a password the user changed is never replaced. The copy
// is a whole-file replacement, so a failure or a crash leaves either no
// password file or the whole one.
UserFolderOutcome CreateUserFolder(const std::filesystem::path& folder,
                                   const std::filesystem::path& defaultPassword,
                                   FileSystem& fs = DefaultFileSystem());

// Where a start looks for things.
struct StartPlaces {
    std::filesystem::path programFolder;  // the folder of the executable
    std::filesystem::path home;           // the user's home folder
    // The folders that may hold the files installed with the program (the
    // default password file, the manual), in the order they are searched.
    std::vector<std::filesystem::path> installedFiles;
};

// The data folder to open (absolute), or the message that says why there is
// none; the application shows it and ends.
struct DataFolderResult {
    std::filesystem::path folder;
    std::string message;
    bool ok() const { return message.empty(); }
};

// Chooses the data folder as `args` ask, makes the user's own folder when
// that is the one asked for, and checks that the folder can be used. Never
// creates a folder given with --dir.
DataFolderResult OpenDataFolder(const StartArguments& args, const StartPlaces& places,
                                FileSystem& fs = DefaultFileSystem());

}  // namespace corvelo

// The data folder of a start, as the command line asks (--dir FOLDER,
// --user-dir, or none: the folder of the executable), and the folders that
// hold the files installed with the program.
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <vector>

namespace corvelo {

// Opens the data folder `arguments` ask for (the program name first, as
// QCoreApplication::arguments() gives them), creating the user's own folder
// on its first start. When no folder can be opened shows why in a message
// box and returns nullopt: the application then ends.
std::optional<QString> StartDataFolder(const QStringList& arguments);

// The folders searched for the files installed with the program: the folder
// of the executable (a build tree) and the shared data folder of the
// installation the executable belongs to.
std::vector<std::filesystem::path> InstalledFileFolders();

// The folder the PDF manual is opened from: the first of the data folder and
// the installed file folders that holds it; the data folder when none does.
QString ManualFolder(const QString& dataFolder);

}  // namespace corvelo

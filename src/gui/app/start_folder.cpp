#include "gui/app/start_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <string>

#include "core/app/data_folder.h"
#include "gui/app/services.h"

#ifndef CORVELO_INSTALLED_FILES
#define CORVELO_INSTALLED_FILES "../share/corvelo"
#endif

namespace corvelo {
namespace {

// Paths and arguments in the file system's own encoding of names, as the
// core takes them.
std::string Encoded(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

std::filesystem::path FsPath(const QString& path) {
    return Encoded(path);
}

QString Decoded(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace

std::vector<std::filesystem::path> InstalledFileFolders() {
    const std::filesystem::path program = FsPath(QCoreApplication::applicationDirPath());
    return {program, (program / CORVELO_INSTALLED_FILES).lexically_normal()};
}

std::optional<QString> StartDataFolder(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i) args.push_back(Encoded(arguments[i]));
    StartPlaces places;
    places.programFolder = FsPath(QCoreApplication::applicationDirPath());
    places.home = FsPath(QDir::homePath());
    places.installedFiles = InstalledFileFolders();
    const DataFolderResult result = OpenDataFolder(ParseStartArguments(args), places);
    if (!result.ok()) {
        DesktopServices(QString()).Message(QString::fromStdString(result.message));
        return std::nullopt;
    }
    return Decoded(result.folder);
}

QString ManualFolder(const QString& dataFolder) {
    std::vector<std::filesystem::path> folders = InstalledFileFolders();
    folders.insert(folders.begin(), FsPath(dataFolder));
    const auto manual = FindInstalledFile(folders, "Guida.pdf");
    return manual ? Decoded(manual->parent_path()) : dataFolder;
}

}  // namespace corvelo

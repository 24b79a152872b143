// The maker of the application: web site, contact address and the shell
// commands built from them.
#pragma once

#include <QString>

namespace corvelo {

inline const QString kMakerWebSite = QStringLiteral("https://www.corvelo.it");
inline const QString kMakerEmail = QStringLiteral("info@corvelo.it");

// The mail message to the maker: quoted, joined without separators and
// without any encoding, as the shell receives it.
inline QString MakerMailCommand() {
    return QStringLiteral("\"mailto:") + kMakerEmail + QStringLiteral("?subject=") +
           QStringLiteral("Software Corvelo") + QStringLiteral("&body=") +
           QStringLiteral(
               "Salve, desidererei avere le seguenti informazioni sul software in oggetto:") +
           QStringLiteral("\"");
}

// The PDF manual, quoted: in the data folder, or where it was installed
// with the program (see ManualFolder).
QString ManualCommand(const QString& dataFolder);

}  // namespace corvelo

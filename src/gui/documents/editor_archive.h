// What the receipt analysis screens take from the receipt editor: the year
// archive it has open, and loading a listed receipt back into it.
#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

class QWidget;

namespace corvelo {

class Services;

// The archive named by the editor's lblFile (a bare name is taken from the
// data folder).
std::filesystem::path EditorArchive(const QWidget& editor, const Services& services);

// A double-clicked list line: the archive is read from the first record to
// the last and the last record giving that line (both trimmed) is shown in
// the editor with its card position. False when no record gives it or the
// archive cannot be read (nothing is loaded then).
bool LoadReceiptByLine(QWidget& editor, const Services& services, std::string_view line);

}  // namespace corvelo

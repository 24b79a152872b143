#include "gui/documents/editor_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/documents/receipt_list_line.h"
#include "gui/app/services.h"
#include "gui/documents/receipt_form.h"

namespace corvelo {

std::filesystem::path EditorArchive(const QWidget& editor, const Services& services) {
    QString file = FormText(editor, "lblFile").trimmed();
    if (QFileInfo(file).isRelative()) file = services.DataPath(file);
    return std::filesystem::path(QFile::encodeName(QDir::toNativeSeparators(file)).toStdString());
}

bool LoadReceiptByLine(QWidget& editor, const Services& services, std::string_view line) {
    const LocatedReceipt located = LocateReceiptByLine(EditorArchive(editor, services), line);
    if (!located.found()) return false;
    ShowReceiptOnForm(editor, located.record, static_cast<long long>(located.card));
    return true;
}

}  // namespace corvelo

#include "gui/documents/editor_archive.h"

#include <QDir>
#include <QFileInfo>

#include "core/documents/receipt_list_line.h"
#include "gui/app/services.h"
#include "gui/documents/receipt_form.h"
#include "gui/kit/text.h"

namespace corvelo {

std::filesystem::path EditorArchive(const QWidget& editor, const Services& services) {
    QString file = FormText(editor, "lblFile").trimmed();
    if (QFileInfo(file).isRelative()) file = services.DataPath(file);
    return FsPath(QDir::toNativeSeparators(file));
}

bool LoadReceiptByLine(QWidget& editor, const Services& services, std::string_view line) {
    const LocatedReceipt located = LocateReceiptByLine(EditorArchive(editor, services), line);
    if (!located.found()) return false;
    ShowReceiptOnForm(editor, located.record, static_cast<long long>(located.card));
    return true;
}

}  // namespace corvelo

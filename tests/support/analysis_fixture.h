// A stand-in for the receipt editor: a plain widget holding the controls the
// analysis screens read and fill by name, and a year archive in the data
// folder of the fake services.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/documents/receipt_list_line.h"
#include "gui/documents/receipt_form.h"
#include "support/receipt_archive.h"
#include "support/screen_test.h"

namespace corvelo::test {

inline std::unique_ptr<QWidget> MakeFakeEditor(const QString& archive, const QString& year) {
    auto editor = std::make_unique<QWidget>();
    for (std::size_t i = 0; i < TRicevuta::kFields.size(); ++i) {
        if (i == TRicevuta::Saldata) continue;
        const QString name =
            QStringLiteral("txt") + QString::fromLatin1(TRicevuta::kFields[i].name);
        QWidget* control = (i == TRicevuta::TotCorrispettivi || i == TRicevuta::Totale)
                               ? static_cast<QWidget*>(new QLabel(editor.get()))
                               : static_cast<QWidget*>(new QLineEdit(editor.get()));
        control->setObjectName(name);
    }
    (new QCheckBox(editor.get()))->setObjectName(QStringLiteral("chkSaldata"));
    for (const char* name : {"lblFile", "lblAnno", "lblPosizione"}) {
        (new QLabel(editor.get()))->setObjectName(QLatin1String(name));
    }
    SetFormText(*editor, "lblFile", archive);
    SetFormText(*editor, "lblAnno", year);
    return editor;
}

// A screen test with an editor whose archive 2024.ric is in the data folder.
class AnalysisScreenTest : public ScreenTest {
  protected:
    AnalysisScreenTest()
        : editor(MakeFakeEditor(services.DataPath(QStringLiteral("2024.ric")), "2024")) {}

    std::filesystem::path Archive() const {
        return std::filesystem::path(services.DataPath(QStringLiteral("2024.ric")).toStdString());
    }
    void Write(const std::vector<TRicevuta>& records) { testing::WriteArchive(Archive(), records); }

    QString EditorText(const char* name) const { return FormText(*editor, name); }

    std::unique_ptr<QWidget> editor;
};

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace corvelo::test

#include "gui/documents/receipt_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "gui/app/conventions.h"

namespace corvelo {
namespace {

QString ControlName(std::string_view field) {
    return QStringLiteral("txt") + QString::fromUtf8(field.data(), qsizetype(field.size()));
}

}  // namespace

QString FormText(const QWidget& form, const char* name) {
    return TextOf(form.findChild<QWidget*>(QString::fromLatin1(name)));
}

void SetFormText(QWidget& form, const char* name, const QString& text) {
    SetTextOf(form.findChild<QWidget*>(QString::fromLatin1(name)), text);
}

TRicevuta ReadReceiptForm(const QWidget& form) {
    TRicevuta r;
    for (std::size_t i = 0; i < TRicevuta::kFields.size(); ++i) {
        if (i == TRicevuta::Saldata) continue;
        const QWidget* control = form.findChild<QWidget*>(ControlName(TRicevuta::kFields[i].name));
        r[i] = TextOf(control).trimmed().toStdString();
    }
    const auto* paid = form.findChild<QCheckBox*>(QStringLiteral("chkSaldata"));
    r[TRicevuta::Saldata] = paid && paid->isChecked() ? "S\u00ec" : "No";
    return r;
}

void ShowReceiptOnForm(QWidget& form, const TRicevuta& r, std::optional<long long> card) {
    for (std::size_t i = 0; i < TRicevuta::kFields.size(); ++i) {
        if (i == TRicevuta::Saldata) continue;
        QWidget* control = form.findChild<QWidget*>(ControlName(TRicevuta::kFields[i].name));
        SetTextOf(control, QString::fromStdString(r[i]).trimmed());
    }
    if (auto* paid = form.findChild<QCheckBox*>(QStringLiteral("chkSaldata"))) {
        const QString flag = QString::fromStdString(r[TRicevuta::Saldata]).trimmed();
        if (flag == QStringLiteral("S\u00ec")) paid->setChecked(true);
        if (flag == QStringLiteral("No")) paid->setChecked(false);
    }
    if (card) SetFormText(form, "lblPosizione", QString::number(*card));
}

}  // namespace corvelo

#include "gui/documents/receipt_form.h"

#include <QCheckBox>
#include <QWidget>

#include "core/storage/text.h"

namespace corvelo {
namespace {

QCheckBox* PaidBox(const QWidget& form) {
    return form.findChild<QCheckBox*>(QStringLiteral("chkSaldata"));
}

}  // namespace

ReceiptTexts ReadReceiptTexts(const QWidget& form) {
    ReceiptTexts texts;
    ReadCardControls(form, ReceiptCardFields(), texts.box);
    for (std::string& text : texts.box) text = Trim(text);
    const QCheckBox* paid = PaidBox(form);
    texts.saldata = paid && paid->isChecked();
    return texts;
}

void ShowReceiptTexts(QWidget& form, const ReceiptTexts& texts) {
    ShowCardControls(form, ReceiptCardFields(), texts.box);
    if (QCheckBox* paid = PaidBox(form)) paid->setChecked(texts.saldata);
}

TRicevuta ReadReceiptForm(const QWidget& form) {
    return ReceiptFromTexts(ReadReceiptTexts(form));
}

void ShowReceiptOnForm(QWidget& form, const TRicevuta& r, std::optional<long long> card) {
    const QCheckBox* paid = PaidBox(form);
    ShowReceiptTexts(form, TextsFromReceipt(r, paid && paid->isChecked()));
    if (card) SetFormText(form, "lblPosizione", QString::number(*card));
}

}  // namespace corvelo

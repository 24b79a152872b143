#include "gui/kit/card_form.h"

#include "gui/app/conventions.h"
#include "gui/kit/text.h"

namespace corvelo {

QString FormText(const QWidget& form, std::string_view name) {
    return TextOf(form.findChild<QWidget*>(Q(name)));
}

void SetFormText(QWidget& form, std::string_view name, const QString& text) {
    SetTextOf(form.findChild<QWidget*>(Q(name)), text);
}

void ReadCardControls(const QWidget& form, std::span<const CardField> fields,
                      std::span<std::string> texts) {
    for (const CardField& f : fields) {
        if (const auto* control = form.findChild<QWidget*>(Q(f.control))) {
            texts[f.field] = Utf8(TextOf(control));
        }
    }
}

void ShowCardControls(QWidget& form, std::span<const CardField> fields,
                      std::span<const std::string> texts) {
    for (const CardField& f : fields) {
        SetTextOf(form.findChild<QWidget*>(Q(f.control)), Q(texts[f.field]));
    }
}

CardForm::CardForm(QWidget& editor, Services& services, std::span<const CardField> fields,
                   const CardFailureKinds& failures)
    : editor_(editor), services_(services), fields_(fields), failures_(failures) {}

void CardForm::ShowField(std::size_t field, std::string_view text) {
    for (const CardField& f : fields_) {
        if (f.field == field) SetTextOf(editor_.findChild<QWidget*>(Q(f.control)), Q(text));
    }
}

void CardForm::ReadTexts(std::span<std::string> texts) const {
    ReadCardControls(editor_, fields_, texts);
}

void CardForm::ShowTexts(std::span<const std::string> texts) {
    ShowCardControls(editor_, fields_, texts);
}

std::string CardForm::Position() const {
    return Utf8(FormText(editor_, "lblPosizione"));
}

void CardForm::SetPosition(std::string_view position) {
    SetFormText(editor_, "lblPosizione", Q(position));
}

void CardForm::ShowSaved(const CardSaveOutcome& outcome) {
    SetPosition(outcome.position);
    services_.Show(outcome.notice);
    if (!outcome.focus.empty()) Focus(outcome.focus);
}

void CardForm::Focus(std::string_view control) {
    const QString name = Q(control);
    if (reveal_) reveal_(name);
    if (auto* w = editor_.findChild<QWidget*>(name)) w->setFocus(Qt::OtherFocusReason);
}

void CardForm::SetRevealer(std::function<void(const QString& control)> reveal) {
    reveal_ = std::move(reveal);
}

}  // namespace corvelo

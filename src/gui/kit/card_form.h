// The plumbing every card editor shares (receipts, customers, warehouse):
// the record's fields moved to and from the editor's named controls by one
// table of (field, control), the card position lblPosizione, browsing, and
// the end of a save. The rules stay in the core (card.h, card_editor.h and
// each editor's own save); this moves texts and shows what the core chose.
//
//   CardForm form(*this, services, kCustomerFields, kCustomerCardFailures);
//   form.Browse<TCliente>(CardMove::kNext, path);  // shows it, lblPosizione, message
//   form.ShowSaved(SaveCustomer(path, form.Record<TCliente>(), form.Position()));
#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/app/card_editor.h"
#include "core/storage/card.h"
#include "core/storage/text.h"
#include "gui/app/services.h"

namespace corvelo {

// Text of the named control of `form` (line edit, combo box, label ...), or
// an empty text when there is none.
QString FormText(const QWidget& form, std::string_view name);
void SetFormText(QWidget& form, std::string_view name, const QString& text);

// The text of the control of each field in `fields`, as shown (untrimmed),
// into texts[field]; fields without a control keep their texts.
void ReadCardControls(const QWidget& form, std::span<const CardField> fields,
                      std::span<std::string> texts);
// texts[field] into the control of each field in `fields`.
void ShowCardControls(QWidget& form, std::span<const CardField> fields,
                      std::span<const std::string> texts);

class CardForm {
  public:
    // `fields` and `failures` are the editor's tables (they outlive it).
    CardForm(QWidget& editor, Services& services, std::span<const CardField> fields,
             const CardFailureKinds& failures);

    std::span<const CardField> Fields() const { return fields_; }

    // The record the controls show: each control's text trimmed into its
    // field; fields without a control stay empty.
    template <class R>
    R Record() const {
        R record;
        ReadCardControls(editor_, fields_, record.fields);
        for (std::string& text : record.fields) text = Trim(text);
        return record;
    }
    // Shows `record`: each field trimmed into its control.
    template <class R>
    void ShowRecord(const R& record) {
        R trimmed = record;
        for (std::string& text : trimmed.fields) text = Trim(text);
        ShowCardControls(editor_, fields_, trimmed.fields);
    }
    // One field's text into its control.
    void ShowField(std::size_t field, std::string_view text);
    // Every field's control as shown (untrimmed) into texts[field], and
    // texts[field] into every field's control as given: for an editor whose
    // core steps take and return the card's texts.
    void ReadTexts(std::span<std::string> texts) const;
    void ShowTexts(std::span<const std::string> texts);

    // The card position (lblPosizione): "" for a new card.
    std::string Position() const;
    void SetPosition(std::string_view position);

    // Goes to the first, last, next or previous card of the file at `path`:
    // a card found is shown (through `show` when given, else ShowRecord),
    // lblPosizione follows and the message BrowseNotice chooses is shown.
    template <class R>
    void Browse(CardMove move, const std::filesystem::path& path,
                const std::function<void(const R&)>& show = {}) {
        const CardView<R> view = BrowseCard<R>(move, path, Position());
        if (view.record) show ? show(*view.record) : ShowRecord(*view.record);
        SetPosition(view.position);
        services_.Show(BrowseNotice(view.message, move, failures_));
    }

    // The end of every save: lblPosizione takes the outcome's position, its
    // message is shown and the control it names gets the focus.
    void ShowSaved(const CardSaveOutcome& outcome);

    // Gives the named control the focus, first bringing it into view
    // through the editor's revealer (a receipt line on another page).
    void Focus(std::string_view control);
    void SetRevealer(std::function<void(const QString& control)> reveal);

  private:
    QWidget& editor_;
    Services& services_;
    std::span<const CardField> fields_;
    CardFailureKinds failures_;
    std::function<void(const QString&)> reveal_;
};

}  // namespace corvelo

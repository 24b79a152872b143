// The common body of the four identifier check screens: a title line, one
// input box and the buttons "Controlla" and "Chiudi". The box and the
// check itself come from the core, so the screens and corvelo-cli agree.
#pragma once

#include <QDialog>
#include <QString>

#include "core/checks/check_box.h"

class QLineEdit;
class QPushButton;

namespace corvelo {

class Services;

class CheckScreen : public QDialog {
    Q_OBJECT
  public:
    // Puts text into the box as a caller does when it opens the screen. The
    // box's change rule applies; its length limit does not cut the text, so
    // an over-long value is reported as such instead of being judged cut.
    void SetValue(const QString& text);
    QString Value() const;

    // The check button: shows the message the check chose, then closes the
    // screen, or gives the focus back to the box when it asks for another
    // value.
    void btnControllaClick();

  protected:
    struct Texts {
        const char* name;     // TfrmCodFisc ...
        const char* caption;  // window title
        const char* title;    // lblTitolo
        const char* box;      // txtCodFisc ...
    };
    CheckScreen(Services& services, CheckKind kind, const Texts& texts, QWidget* parent);

    void showEvent(QShowEvent* event) override;

  private:
    void BoxChanged();

    Services& services_;
    CheckKind kind_;
    QLineEdit* box_;
    QPushButton* btnControlla_;
};

// Opens the check screen of kind with the trimmed text of the calling box
// in its own box, modally, and destroys it when it closes. Nothing is
// written back to the caller.
void ShowCheck(QWidget* parent, Services& services, CheckKind kind, const QString& text);

// The codice fiscale buttons of the editors: opens the partita IVA check
// when the trimmed text of the codice fiscale box is all digits, the codice
// fiscale check otherwise.
void ShowTaxCodeCheck(QWidget* parent, Services& services, const QString& codiceFiscaleBox);

}  // namespace corvelo

// Attaching files to a card, customer or item alike: three slots of a file
// name and its description. "Sfoglia..." copies the chosen file into the
// shared folder Documenti_Allegati at once; "Applica e chiudi" hands the
// names and descriptions to the card editor that opened the screen, which
// stores them when its card is saved.
#pragma once

#include <QDialog>
#include <string_view>

namespace corvelo {

class Services;

class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
  public:
    // editor: the card editor whose hidden labels lblFile01 ... lblDesc03
    // "Applica e chiudi" fills (under the tags "anagrafica" and "magazzino").
    // The caller writes its tag into lblMemory and the slots before exec().
    TfrmAllegaCartella(Services& services, QWidget& editor, QWidget* parent = nullptr);

    // The buttons of slot 1, 2 or 3.
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    // "Applica e chiudi".
    void btnApplicaClick();

  private:
    Services& services_;
    QWidget& editor_;
};

// How a card editor opens the screen: the tag into lblMemory, its six
// hidden labels (trimmed) into the six boxes, then modally over the editor.
void ShowAttachments(QWidget& editor, Services& services, std::string_view tag);

}  // namespace corvelo

// The customer search: ten criterion boxes, then the list of the cards that
// match every criterion in use. A double click hands the chosen card back to
// the screen that opened the search: the whole card into the card editor
// (tag "clienti"), or the customer's name, address and tax data into the
// receipt editor (tag "ricevute").
#pragma once

#include "gui/kit/search_screen.h"

namespace corvelo {

class TfrmTrovaClienti : public SearchScreen {
    Q_OBJECT
  public:
    // caller: the card editor or the receipt editor, whose named controls a
    // choice fills; the caller writes its tag into lblMemory before exec().
    TfrmTrovaClienti(Services& services, QWidget& caller, QWidget* parent = nullptr);

  protected:
    SearchFound Search(std::span<const std::string> typed) override;
    void lstRecordsDblClick(std::optional<std::string> line) override;

  private:
    QWidget& caller_;
};

}  // namespace corvelo

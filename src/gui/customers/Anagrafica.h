// The customer card editor: one card of Clienti.pro at a time, in framed
// panels (personal data, residence, family, contacts, education, bank and
// card, interests on the left; identity document, classification and the
// instalment purchase on the right), with the command pictures above and
// the hint line below. Every rule (blank card, save checks, browsing, the
// printed card, the mail link) is the core's; the screen moves texts
// between its named controls and the core and shows what the core chose.
#pragma once

#include "core/report/report_document.h"
#include "core/storage/card.h"
#include "gui/app/shell.h"
#include "gui/kit/card_form.h"

namespace corvelo {

class ScreenKit;
class Services;

class TfrmAnagrafica : public WorkAreaWindow {
    Q_OBJECT
  public:
    TfrmAnagrafica(Services& services, AppShell& shell, QWidget* parent = nullptr);

    // Command handlers, also reached by the pictures of the same names.
    void cmdNuovoClick();
    void cmdSalvaClick();
    void Browse(CardMove move);
    void cmdStampaClick();
    void cmdCartellaClick();
    void cmdFileClick();
    void btnEmailClick();

    // The printed card as cmdStampa lays it out now, from the boxes on screen.
    report::ReportDocument CardSheet() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildScreen();
    void WireCommands();
    Services& services_;
    CardForm form_;
    ScreenKit* kit_ = nullptr;
};

}  // namespace corvelo

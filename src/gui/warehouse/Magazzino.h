// The warehouse work area: one item card at a time, in four framed sections,
// with the column of command pictures on the right and the browse arrows
// around the card number at the bottom right. Every rule (defaults, price
// and value arithmetic, saving, browsing, the web address, the printed card)
// is the core's; the screen moves texts between its named controls and the
// core and shows the messages the core chooses.
#pragma once

#include <string_view>

#include "core/storage/card.h"
#include "gui/app/shell.h"

namespace corvelo {

class ScreenKit;
class Services;
struct ItemStep;

class TfrmMagazzino : public WorkAreaWindow {
    Q_OBJECT
  public:
    TfrmMagazzino(Services& services, AppShell& shell, QWidget* parent = nullptr);

    // The commands, also reached by the buttons of the same names.
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void Browse(CardMove move);
    void cmdStampaClick();
    void cmdPDFClick();
    void cmdWebClick();
    void cmdFileClick();
    void btnCalcolaClick();
    void btnScorporaClick();
    void btnValoreClick();
    // "+" (adding) and "-": the stock window over the card's stock.
    void UpdateStock(bool adding);
    void btnPneumaticiClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildScreen();
    void WireCommands();
    void ApplyStep(const ItemStep& step);
    void Focus(std::string_view control);

    Services& services_;
    ScreenKit* kit_ = nullptr;
};

}  // namespace corvelo

// The warehouse work area: one item card at a time, in four framed sections,
// with the column of command pictures on the right and the browse arrows
// around the card number at the bottom right. Every rule (defaults, price
// and value arithmetic, saving, browsing, the web address, the printed card)
// is the core's; the screen moves texts between its named controls and the
// core and shows the messages the core chooses.
#pragma once

#include <filesystem>
#include <string_view>

#include "core/report/report_document.h"
#include "core/storage/card.h"
#include "gui/app/shell.h"
#include "gui/kit/card_form.h"

namespace corvelo {

class ScreenKit;
class Services;
struct ItemStep;
struct ItemTexts;

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

    // The printed card as cmdStampa and cmdPDF lay it out now, from the boxes on screen.
    report::ReportDocument CardSheet() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildScreen();
    void WireCommands();
    // The card's 32 texts as shown (untrimmed), and back as the core gave them.
    ItemTexts Texts() const;
    void ShowTexts(const ItemTexts& texts);
    void ApplyStep(const ItemStep& step);

    Services& services_;
    CardForm form_;
    ScreenKit* kit_ = nullptr;
};

// Magazzino.pro in the data folder.
std::filesystem::path WarehouseArchive(const Services& services);

// A double click in the item search or the low-stock list: the card behind
// `line` goes onto the card editor `card` whole, with its card number. When
// the file cannot be read the access message is shown and the card stays as
// it was. Returns true when a card was loaded.
bool RecallItemByLine(QWidget& card, Services& services, std::string_view line);

}  // namespace corvelo

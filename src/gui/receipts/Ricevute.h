// The receipt editor: one receipt of the chosen year's archive at a time,
// with issuer, customer and number panels, 30 lines on three pages, the
// totals and the command pictures. Every rule (calculation, checks, saving,
// browsing, numbering) is the core's; the screen moves texts between its
// named controls and the core and shows the messages the core chooses.
#pragma once

#include <QString>

#include "core/storage/card.h"
#include "gui/app/shell.h"
#include "gui/kit/card_form.h"

class QCheckBox;
class QLabel;

namespace corvelo {

class ReceiptLinePages;
class ScreenKit;
class Services;
struct ReceiptTexts;

class TfrmRicevute : public WorkAreaWindow {
    Q_OBJECT
  public:
    TfrmRicevute(Services& services, AppShell& shell, QWidget* parent = nullptr);

    // Points the editor at the archive of `year` (lblFile, lblAnno, title),
    // as the receipts menu does before showing it.
    void OpenYear(const QString& year);

    // The archive the editor works on (lblFile) and its year (lblAnno).
    QString ArchivePath() const;
    QString Year() const;

    // Command handlers, also reached by the pictures of the same names.
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdCalcolaClick();
    void Browse(CardMove move);
    void impOggiClick();
    void btnCancDittaClick();
    // Empties the receipt for a new card; issuer boxes and stamp duty stay.
    void ClearReceipt();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildScreen();
    void WireCommands();
    ReceiptTexts FormTexts() const;
    void ShowTexts(const ReceiptTexts& texts);
    void PutAmountTexts(const ReceiptTexts& texts);
    void OpenDocumentScreens();
    QString SettingsPath() const;
    void Focus(const char* name);

    Services& services_;
    CardForm form_;
    ReceiptLinePages* pages_ = nullptr;
    ScreenKit* kit_ = nullptr;
};

}  // namespace corvelo

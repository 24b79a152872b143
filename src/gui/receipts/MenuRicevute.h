// The receipts menu: the year whose archive the receipt editor opens, the
// statistics of monthly takings, the logo screen and help. Where it goes
// when it closes depends on its hidden label lblMemory: "avvio" (the start
// menu), "ricevute" (the editor) or "statistiche_ric" (the statistics).
#pragma once

#include <QPointer>

#include "gui/app/shell.h"

namespace corvelo {

class Services;
class TfrmRicevute;

class TfrmMenuRicevute : public WorkAreaWindow {
    Q_OBJECT
  public:
    // `editor` and `statistics` are the single screens of the run; the
    // statistics may be missing (its button then leads back to the start menu).
    TfrmMenuRicevute(Services& services, AppShell& shell, TfrmRicevute& editor,
                     QWidget* statistics = nullptr, QWidget* parent = nullptr);

    void btnApriFattureClick();
    void btnApriRiepStatsClick();
    void OpenLogo();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Services& services_;
    TfrmRicevute& editor_;
    QPointer<QWidget> statistics_;
};

}  // namespace corvelo

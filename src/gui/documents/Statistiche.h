// The statistics work area: a year is typed on the first panel; "Apri" reads
// that year's archive and shows the takings of each month as a chart of
// twelve values, as three-dimensional bars or pie, which can be printed. The
// kind last chosen stays while the application runs.
#pragma once

#include <QString>

#include "core/report/chart.h"
#include "gui/app/shell.h"

class QLabel;
class QLineEdit;
class QShowEvent;

namespace corvelo {

class ChartView;
class Services;

class TfrmStatistiche : public WorkAreaWindow {
    Q_OBJECT
  public:
    TfrmStatistiche(Services& services, AppShell& shell, QWidget* parent = nullptr);

    // The handlers of the screen's buttons.
    void btnApriClick();
    void btnBarreClick();
    void btnTortaClick();
    void btnStampaClick();

    ChartView* chartView() const { return chart_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetKind(report::ChartKind kind);

    Services& services_;
    QWidget* panAvvio_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QLineEdit* txtAnno_ = nullptr;
    QLabel* lblFile_ = nullptr;
    QLabel* lblTitolo_ = nullptr;
    ChartView* chart_ = nullptr;
    // Bars when the application starts; then whatever the user chose last.
    report::ChartKind kind_ = report::ChartKind::Bars;
};

}  // namespace corvelo

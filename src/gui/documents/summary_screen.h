// The body of the three periodic summaries of the open year archive
// (monthly, quarterly, annual): the receipts of a period as list lines,
// four totals, find and print. The monthly and quarterly screens first
// show a selection panel where the period is chosen.
#pragma once

#include <QDialog>

#include "core/documents/receipt_summary.h"

class QComboBox;
class QLabel;

namespace corvelo {

class ListScreen;
class Services;

class SummaryScreen : public QDialog {
    Q_OBJECT
  public:
    ListScreen& Results() { return *results_; }
    SummaryKind Kind() const { return kind_; }

    // Builds the summary of the chosen period ("Visualizza"; the annual
    // screen builds it when created). An amount that is not a number or an
    // archive that cannot be read shows an error box and nothing of the
    // summary; the monthly and quarterly screens then stay on their
    // selection panel.
    void btnVisualizzaClick();

    // Shows the screen modally. The annual screen whose summary could not be
    // built (its error box already shown) does not open: it returns Rejected
    // at once, so no result panel without a summary is offered for printing.
    int exec() override;

  protected:
    SummaryScreen(Services& services, QWidget& editor, SummaryKind kind, QWidget* parent);

    void done(int result) override;

  private:
    QWidget* BuildSelectionPanel();
    QWidget* BuildResultPanel();
    void ShowSummary(const SummaryResult& summary);
    void ShowHelpPage();

    Services& services_;
    QWidget& editor_;
    SummaryKind kind_;
    ListScreen* results_;
    SummaryResult shown_;
    bool built_ = false;  // the last build succeeded
    QWidget* panSelezione_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QComboBox* cboSelezione_ = nullptr;
    QLabel* lblAnno_ = nullptr;
    QLabel* titTipologia_ = nullptr;
    QLabel* panInfo_ = nullptr;
    QLabel* totals_[4] = {};
};

}  // namespace corvelo

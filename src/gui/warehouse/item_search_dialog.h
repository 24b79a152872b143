// The two panels the item search and the import into a receipt share: the
// criteria panel panAvvio (three instruction lines, the ten criteria boxes,
// lblAttendere, btnCerca and btnAnnulla) and, after "Cerca", the result
// panel panContainer (the find row, lstRecords, lblTrovate, btnStampa,
// btnChiudi and whatever the screen adds). The hidden labels are lblMemory
// (the caller tag) and lblConta (the criteria in use).
#pragma once

#include <QDialog>
#include <QString>

#include "core/warehouse/item_lists.h"

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace corvelo {

class ListScreen;
class Services;

class ItemSearchDialog : public QDialog {
    Q_OBJECT
  public:
    ListScreen& Results() { return *results_; }
    // The caller tag in lblMemory, trimmed.
    QString Tag() const;

    // "Cerca": the cards matching the boxes, the result panel in place of
    // the criteria panel, txtTrova emptied and focused. A file that cannot
    // be read shows the access message and keeps the criteria panel.
    void btnCercaClick();

  protected:
    // `kind`: which line the list shows.
    ItemSearchDialog(Services& services, const char* name, std::string_view caption,
                     ItemLineKind kind, QWidget* parent);

    // The result panel's parts, for the screen to place its own controls:
    // above the list, between the list and the buttons, and in the button
    // row before btnStampa.
    QVBoxLayout* AboveList() const { return aboveList_; }
    QVBoxLayout* BelowList() const { return belowList_; }
    QHBoxLayout* ButtonRow() const { return buttonRow_; }
    QWidget* ResultPanel() const { return panContainer_; }

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    Services& services_;
    ListScreen* results_ = nullptr;
    QLabel* lblTrovate_ = nullptr;

  private:
    QWidget* MakeCriteriaPanel();
    QWidget* MakeResultPanel();

    ItemLineKind kind_;
    QWidget* panAvvio_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QLabel* lblMemory_ = nullptr;
    QLabel* lblConta_ = nullptr;
    QLabel* lblAttendere_ = nullptr;
    QVBoxLayout* aboveList_ = nullptr;
    QVBoxLayout* belowList_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
};

}  // namespace corvelo

// The 30 receipt lines of the editor on three pages of ten (grpPage01 to
// grpPage03), one visible at a time, each line with its number, txtDescNN,
// txtPrezzoNN and the warehouse picture impMagNN, and the page arrows
// imgAvanti_A, imgAvanti_B, imgIndietro_B and imgIndietro_C.
#pragma once

#include <QString>
#include <QWidget>
#include <span>

#include "gui/app/conventions.h"

class QLabel;
class QStackedWidget;

namespace corvelo {

// "01" ... "30".
QString LineNumber(int line);

// Conventions of the line boxes: kinds and lengths, and the Enter chain
// (description -> amount of the same line -> next description; the last
// amount of each page -> txtAcconti). Built once.
std::span<const BoxRule> LineBoxRules();
std::span<const EnterStep> LineEnterSteps();
std::span<const HintRule> LineHints();

class ReceiptLinePages : public QWidget {
    Q_OBJECT
  public:
    explicit ReceiptLinePages(QWidget* parent = nullptr);

    // Shows page 1, 2 or 3 (the others are hidden).
    void ShowPage(int page);
    int CurrentPage() const;
    // Shows the page of a line box (txtDescNN, txtPrezzoNN); any other
    // control leaves the page as it is.
    void RevealBox(const QString& control);

  signals:
    // An arrow asked for page `page`; focus goes to `box` afterwards.
    void PageRequested(int page, const QString& box);
    // impMagNN was pressed for line `line`.
    void WarehouseRequested(int line);

  private:
    QWidget* MakePage(int page);
    QStackedWidget* stack_;
    QLabel* pageLabel_;
};

}  // namespace corvelo

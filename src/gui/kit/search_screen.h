// The two-panel search window every archive search shares. The criteria
// panel panAvvio comes first: the three instruction lines, one captioned box
// per criterion (Enter goes round them in table order), lblAttendere (shown
// as the mouse button goes down on btnCerca), btnCerca and btnAnnulla. After
// a search the result panel panContainer takes its place for good: the find
// row, the list lstRecords, the hint lblSuggerimento, lblTrovate, btnStampa
// and btnChiudi. The
// hidden labels are lblMemory (the caller tag) and lblConta (the criteria in
// use). A screen gives its texts, its boxes and the search:
//
//   const SearchScreenTexts kTexts = {.name = "TfrmTrovaClienti", .caption = ...};
//   class TfrmTrovaClienti : public SearchScreen {
//     public:
//       TfrmTrovaClienti(Services& s, QWidget* parent)
//           : SearchScreen(s, kTexts, kBoxes, parent) {}
//     protected:
//       SearchFound Search(std::span<const std::string> typed) override;
//       void lstRecordsDblClick(std::optional<std::string> line) override;
//   };
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/app/line_list.h"
#include "core/receipts/notice.h"
#include "gui/kit/list_screen.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace corvelo {

class Services;

// One criterion box: its control and the caption beside it. The caption
// label is named "tit" + the control name without "txt".
struct SearchBox {
    std::string_view control;  // "txtCliente"
    std::string_view caption;  // "Cognome e nome cliente:" (UTF-8)
};

// The boxes of a screen from its core table, whose rows name their control
// and, in the member `caption`, the caption.
template <class Row, std::size_t N>
std::array<SearchBox, N> SearchBoxesFrom(const std::array<Row, N>& rows,
                                         std::string_view Row::*caption) {
    std::array<SearchBox, N> boxes{};
    for (std::size_t i = 0; i < N; ++i) boxes[i] = {rows[i].control, rows[i].*caption};
    return boxes;
}

struct SearchScreenTexts {
    const char* name;              // "TfrmTrovaRicevute"
    const char* caption;           // " Trova ricevute in archivio" (UTF-8)
    const char* picture;           // banner picture of both panels
    const char* title;             // banner of the criteria panel: "TROVA RICEVUTE"
    std::string_view reportTitle;  // what btnStampa prints above the lines
    // lblTrovate for a list of `entries` lines (also its text before a search).
    std::string (*countLine)(std::size_t entries);
    QSize size;  // the fixed client size
    // The line beside lblTrovate; shown above the list instead when asked.
    std::string_view hint = kDoubleClickHelp;
    bool hintAboveList = false;
};

// What a search found: the lines, or a file that could not be read.
struct SearchFound {
    SearchFound() = default;
    SearchFound(LineList found, bool read, std::vector<Notice> told = {})
        : lines(std::move(found)), ok(read), notices(std::move(told)) {}

    LineList lines;
    bool ok = true;
    // What the search has to tell (cards it left out, ...), shown in order
    // once the lines are listed; for a file that could not be read they are
    // shown in place of the access message.
    std::vector<Notice> notices;
};

class SearchScreen : public QDialog {
    Q_OBJECT
  public:
    ListScreen& Results() { return *results_; }
    // The caller tag, trimmed.
    QString Tag() const;

    // "Cerca": lblConta gets the criteria in use; the lines found replace
    // the criteria panel with the result panel, txtTrova emptied and
    // focused, then the search's notices are shown. A file that cannot be
    // read shows the search's notices, or else the access message as a
    // plain message, and keeps the criteria panel.
    void btnCercaClick();

  protected:
    SearchScreen(Services& services, const SearchScreenTexts& texts,
                 std::span<const SearchBox> boxes, QWidget* parent);

    // The search over the boxes' texts as typed (blanks kept), in table order.
    virtual SearchFound Search(std::span<const std::string> typed) = 0;
    // A double click on the list, with the selected line if any; by default
    // nothing happens.
    virtual void lstRecordsDblClick(std::optional<std::string> line);

    // Room in the result panel between the list and its button row, for a
    // screen's own controls.
    QVBoxLayout* ResultExtras() const { return resultExtras_; }
    // Puts a button of the screen's own into the result panel's button row,
    // before btnStampa.
    void AddResultButton(QPushButton* button);

    // Showing forgets the last find key and empties txtTrova; on the
    // criteria panel the first box gets the focus. A window manager showing
    // the window again (spontaneously) is no new opening.
    void showEvent(QShowEvent* event) override;
    // Closing empties the list and hides lblAttendere.
    void done(int result) override;

    Services& services_;

  private:
    QWidget* MakeCriteriaPanel(std::span<const SearchBox> boxes);
    QWidget* MakeResultPanel();

    SearchScreenTexts texts_;
    std::vector<QString> boxes_;
    ListScreen* results_ = nullptr;
    QWidget* panAvvio_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QLabel* lblMemory_ = nullptr;
    QLabel* lblConta_ = nullptr;
    QLabel* lblAttendere_ = nullptr;
    QLabel* lblTrovate_ = nullptr;
    QVBoxLayout* resultExtras_ = nullptr;
    QHBoxLayout* resultButtons_ = nullptr;
};

// The instruction lines of every criteria panel.
inline constexpr std::string_view kSearchInstructions[] = {
    "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
    "trovare e premere il pulsante Cerca.",
    "Lasciare in bianco tutti gli altri campi.",
    "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.",
};

inline constexpr std::string_view kSearchWait = "Ricerca schede in corso. Attendere...";

}  // namespace corvelo

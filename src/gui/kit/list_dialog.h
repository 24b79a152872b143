// The window of one result list that a screen fills as it opens (the unpaid
// receipts, the instalments due, the items running out): a banner, the find
// row, the list lstRecords, the hint lblSuggerimento, btnStampa and
// btnChiudi. A double click on a line hands it to the screen, then the
// window closes; closing empties the list. A screen gives its texts, fills
// the list and says what a chosen line does:
//
//   TfrmSospese(Services& s, QWidget& editor, QWidget* parent)
//       : ListDialog(s, kTexts, parent) { SetList(UnpaidReceipts(...).lines); }
//   void RecallLine(const std::string& line) override;
#pragma once

#include <QDialog>
#include <QSize>
#include <string>
#include <string_view>
#include <vector>

#include "core/receipts/notice.h"

class QShowEvent;

namespace corvelo {

class LineList;
class ListScreen;
class Services;

struct ListDialogTexts {
    const char* name;              // "TfrmSospese"
    const char* caption;           // " Riepilogo ricevute non saldate" (UTF-8)
    const char* picture;           // the banner's picture
    const char* title;             // the banner's text: "RICEVUTE NON SALDATE"
    std::string_view reportTitle;  // what btnStampa prints above the lines
    QSize size;                    // the fixed client size
};

class ListDialog : public QDialog {
    Q_OBJECT
  public:
    ListScreen& Results() { return *results_; }

    // Double click on the list: the selected line, if any, goes to
    // RecallLine; then the window closes.
    void lstRecordsDblClick();

  protected:
    ListDialog(Services& services, const ListDialogTexts& texts, QWidget* parent);

    // The list's lines; `notices` are told over the list once the window is
    // on screen, in order.
    void SetList(const LineList& lines, std::vector<Notice> notices = {});
    // What choosing `line` does (the window closes afterwards).
    virtual void RecallLine(const std::string& line) = 0;

    // Showing puts the focus on txtTrova and tells the pending notices; a
    // window manager showing the window again (spontaneously) is no new
    // opening.
    void showEvent(QShowEvent* event) override;
    // Closing empties the list.
    void done(int result) override;

    Services& services_;

  private:
    ListScreen* results_ = nullptr;
    std::vector<Notice> notices_;
};

}  // namespace corvelo

// The common body of the three receipt output screens (print, preview, PDF):
// a small fixed window over the receipt editor with a gradient background, a
// white panel that shows what the output does, "Annulla" at the lower left and
// the action button at the lower right. The action builds the two-copy sheet
// from the editor's boxes as they stand and hands it to the screen's output.
#pragma once

#include <QDialog>
#include <QString>

#include "core/report/report_document.h"

class QPushButton;

namespace corvelo {

class Services;

class ReceiptOutputScreen : public QDialog {
    Q_OBJECT
  public:
    // The action button "btnStampa": builds the sheet and runs the output.
    void btnStampaClick();

    // The sheet as the action button would build it now: the editor's texts
    // and the logo loaded when the screen was shown.
    report::ReportDocument BuildSheet() const;

  protected:
    struct Texts {
        const char* name;         // TfrmStampaRicevuta ...
        const char* caption;      // window title
        const char* action;       // text of btnStampa
        const char* picture;      // illustration, a resource path
        const char* title;        // title of the illustration panel
        const char* explanation;  // what the output does
    };
    ReceiptOutputScreen(Services& services, QWidget& editor, const Texts& texts, QWidget* parent);

    // Sends the laid-out sheet to this screen's output; closes the screen
    // when the output is done.
    virtual void Output(const report::ReportDocument& sheet) = 0;

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    Services& services_;
    QWidget& editor_;

  private:
    report::Picture logo_;
    bool logoLoaded_ = false;
};

}  // namespace corvelo

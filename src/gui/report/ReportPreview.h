// The print preview window of reports: modal, opening at 100 % zoom, with
// only the commands print, zoom, full screen and close.
#pragma once

#include <QDialog>
#include <QSize>
#include <functional>

#include "gui/app/services.h"

class QAction;
class QPrintPreviewWidget;
class QPrinter;

namespace corvelo {

class ReportPreview : public QDialog {
    Q_OBJECT
  public:
    // Shows job as painted on printer. print runs when the user asks to print
    // (for example the print dialog and the printing itself); without it the
    // print command is not offered.
    ReportPreview(QPrinter& printer, const QString& title, PaintJob job,
                  std::function<void()> print = {}, QWidget* parent = nullptr);

    QPrintPreviewWidget* view() const { return view_; }
    double zoom() const;

    QAction* printAction() const { return print_; }
    QAction* zoomInAction() const { return zoomIn_; }
    QAction* zoomOutAction() const { return zoomOut_; }
    QAction* fullScreenAction() const { return fullScreen_; }
    QAction* closeAction() const { return close_; }

  private:
    // The window's size where the screen has room for it.
    static constexpr QSize kPreferredSize{1100, 800};
    // Sizes the window to the room the screen has, centred on it.
    void FitScreen();

    QPrintPreviewWidget* view_ = nullptr;
    QAction* print_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* fullScreen_ = nullptr;
    QAction* close_ = nullptr;
    PaintJob job_;
};

}  // namespace corvelo

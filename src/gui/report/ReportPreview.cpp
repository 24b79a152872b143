#include "gui/report/ReportPreview.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace corvelo {

ReportPreview::ReportPreview(QPrinter& printer, const QString& title, PaintJob job,
                             std::function<void()> print, QWidget* parent)
    : QDialog(parent), job_(std::move(job)) {
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(title);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("barPreview"));
    view_ = new QPrintPreviewWidget(&printer, this);
    view_->setObjectName(QStringLiteral("viewPreview"));
    connect(view_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) { job_(*p); });

    if (print) {
        print_ = bar->addAction(QStringLiteral("Stampa"));
        print_->setObjectName(QStringLiteral("actStampa"));
        connect(print_, &QAction::triggered, this, [print] { print(); });
        bar->addSeparator();
    }
    zoomIn_ = bar->addAction(QStringLiteral("Zoom +"));
    zoomIn_->setObjectName(QStringLiteral("actZoomPiu"));
    connect(zoomIn_, &QAction::triggered, view_, [this] { view_->zoomIn(1.25); });
    zoomOut_ = bar->addAction(QStringLiteral("Zoom -"));
    zoomOut_->setObjectName(QStringLiteral("actZoomMeno"));
    connect(zoomOut_, &QAction::triggered, view_, [this] { view_->zoomOut(1.25); });
    fullScreen_ = bar->addAction(QStringLiteral("Schermo intero"));
    fullScreen_->setObjectName(QStringLiteral("actSchermoIntero"));
    fullScreen_->setCheckable(true);
    connect(fullScreen_, &QAction::toggled, this, [this](bool on) {
        setWindowState(on ? (windowState() | Qt::WindowFullScreen)
                          : (windowState() & ~Qt::WindowFullScreen));
    });
    bar->addSeparator();
    close_ = bar->addAction(QStringLiteral("Chiudi"));
    close_->setObjectName(QStringLiteral("actChiudi"));
    connect(close_, &QAction::triggered, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(view_, 1);

    // 100 %: a page as large as it is on paper. The view mode goes first, as
    // choosing it resets the zoom to fit the window.
    view_->setViewMode(QPrintPreviewWidget::SinglePageView);
    view_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    view_->setZoomFactor(1.0);
    FitScreen();
}

void ReportPreview::FitScreen() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(kPreferredSize);
        return;
    }
    // The frame is not known before the window is shown: leave room for a
    // title bar and borders, so the bottom and the scroll bars stay on it.
    const QRect area = screen->availableGeometry();
    const QSize size = kPreferredSize.boundedTo(area.size() - QSize(16, 48));
    resize(size);
    move(area.left() + (area.width() - size.width()) / 2,
         area.top() + qMax(0, (area.height() - size.height() - 40) / 2));
}

double ReportPreview::zoom() const {
    return view_->zoomFactor();
}

}  // namespace corvelo

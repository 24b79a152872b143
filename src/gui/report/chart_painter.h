// Draws a chart with QPainter, the same way on the screen, on the printer and
// into pictures: the title at the top, the three-dimensional bars (or pie)
// with each value written beside its bar or slice, the legend titled as the
// chart says along the bottom and the footer under it.
#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

#include "core/report/chart.h"

class QPainter;
class QPrinter;

namespace corvelo {

// Paints chart into area. Sizes of texts and strokes follow the area's
// height, so a printed page looks like the screen.
void PaintChart(QPainter& painter, const QRectF& area, const report::Chart& chart);

// Paints chart over the whole printable page of printer (one page). Returns
// false when the printer could not be opened.
bool PaintChartPage(QPrinter& printer, const report::Chart& chart);

// The chart drawn into a white picture of the given size.
QImage RenderChart(const report::Chart& chart, QSize size);

// The chart control of the screens.
class ChartView : public QWidget {
    Q_OBJECT
  public:
    explicit ChartView(const QString& name, QWidget* parent = nullptr);

    const report::Chart& chart() const { return chart_; }
    void SetChart(report::Chart chart);
    // Removes every point, keeping texts and kind.
    void ClearPoints();
    // Changes how the points are drawn, keeping them.
    void SetKind(report::ChartKind kind);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    report::Chart chart_;
};

}  // namespace corvelo

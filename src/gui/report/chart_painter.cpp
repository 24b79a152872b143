#include "gui/report/chart_painter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvelo {
namespace {

QColor ToColor(const report::Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// Lighter and darker shades that work for pale colours too (cream, silver),
// where QColor::lighter has nothing left to add.
QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                            float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}
QColor Light(const QColor& c) {
    return Mix(c, Qt::white, 0.35);
}
QColor Dark(const QColor& c, double t = 0.3) {
    return Mix(c, Qt::black, t);
}

QString FamilyName(report::FontFamily family) {
    switch (family) {
        case report::FontFamily::Arial:
            return QStringLiteral("Arial");
        case report::FontFamily::CourierNew:
            return QStringLiteral("Courier New");
        case report::FontFamily::Verdana:
            break;
    }
    return QStringLiteral("Verdana");
}

// Everything is sized in "chart points": a point of a chart 560 units high,
// so the printed page shows the screen's proportions.
class Scaler {
  public:
    explicit Scaler(const QRectF& area)
        : u_(std::max(0.2, std::min(area.height() / 560.0, area.width() / 1000.0))) {}
    double operator()(double points) const { return points * u_; }
    QFont Font(report::FontFamily family, double points, bool bold = false) const {
        QFont f(FamilyName(family));
        f.setPixelSize(std::max(1, int(std::lround(points * 4.0 / 3.0 * u_))));
        f.setBold(bold);
        return f;
    }
    QFont Font(const report::ChartText& text) const {
        return Font(text.family, text.size, text.bold);
    }
    QPen Outline() const { return QPen(QColor(0, 0, 0, 120), std::max(1.0, u_ * 0.8)); }

  private:
    double u_;
};

const QColor kInk(0x30, 0x30, 0x30);
const QColor kGrid(0xC8, 0xCF, 0xDA);
const QColor kWall(0xF3, 0xF6, 0xFA);

// A value written in a small white box centred on `anchor`, or beside it on
// the side `side` (-1 left, 0 centred, 1 right).
void PaintMark(QPainter& painter, const Scaler& s, const QPointF& anchor, const QString& text,
               int side, bool above) {
    const QFont font = s.Font(report::FontFamily::Verdana, 8.5, true);
    const QFontMetricsF fm(font);
    const double w = fm.horizontalAdvance(text) + s(8);
    const double h = fm.height() + s(3);
    double x = anchor.x() - w / 2;
    if (side < 0) x = anchor.x() - w;
    if (side > 0) x = anchor.x();
    const double y = above ? anchor.y() - h : anchor.y();
    const QRectF box(x, y, w, h);
    painter.setPen(QPen(QColor(0x9A, 0xA6, 0xB8), std::max(1.0, s(0.7))));
    painter.setBrush(QColor(0xFF, 0xFF, 0xF4));
    painter.drawRoundedRect(box, s(2.5), s(2.5));
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(box, Qt::AlignCenter, text);
}

QString ValueText(double value) {
    return QString::fromStdString(report::ChartValueText(value));
}

// Legend: the title, then one coloured square and label per point, centred
// in rows that fit the width. Returns the height it needs (painting only when
// paint is true).
double Legend(QPainter& painter, const Scaler& s, const QRectF& area, const report::Chart& chart,
              bool paint) {
    const QString title = QString::fromStdString(chart.legendTitle);
    // One row reads best: a legend a little too wide shrinks before it wraps.
    double f = 1.0;
    {
        const QFontMetricsF tfm(s.Font(report::FontFamily::Verdana, 9, true));
        const QFontMetricsF fm(s.Font(report::FontFamily::Verdana, 9));
        double row = tfm.horizontalAdvance(title) + s(16);
        for (const report::ChartPoint& p : chart.points) {
            row += s(16) + s(9) + s(5) + fm.horizontalAdvance(QString::fromStdString(p.label));
        }
        // (rounded font sizes may come out a little wider)
        if (row > area.width() - s(40)) f = std::max(0.75, 0.97 * (area.width() - s(40)) / row);
    }
    const QFont titleFont = s.Font(report::FontFamily::Verdana, 9 * f, true);
    const QFont font = s.Font(report::FontFamily::Verdana, 9 * f);
    const QFontMetricsF tfm(titleFont), fm(font);
    const double swatch = s(9 * f);
    const double gap = s(16 * f);
    // Entries laid out in rows; the title leads the first row.
    std::vector<std::vector<std::size_t>> rows(1);
    std::vector<double> widths(1, tfm.horizontalAdvance(title) + gap);
    for (std::size_t i = 0; i < chart.points.size(); ++i) {
        const double w = swatch + s(5) +
                         fm.horizontalAdvance(QString::fromStdString(chart.points[i].label)) + gap;
        if (!rows.back().empty() && widths.back() + w > area.width() - s(40)) {
            rows.emplace_back();
            widths.push_back(0);
        }
        rows.back().push_back(i);
        widths.back() += w;
    }
    const double lineH = std::max(tfm.height(), fm.height()) + s(5);
    const double height = lineH * double(rows.size()) + s(8);
    if (!paint) return height;

    const double widest = *std::max_element(widths.begin(), widths.end()) - gap;
    const double frameW = std::min(area.width(), widest + s(36));
    const QRectF frame(area.center().x() - frameW / 2, area.top(), frameW, height);
    painter.setPen(QPen(kGrid, std::max(1.0, s(0.7))));
    painter.setBrush(QColor(0xFA, 0xFB, 0xFD));
    painter.drawRoundedRect(frame, s(4), s(4));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double x = area.center().x() - (widths[r] - gap) / 2;
        const double y = area.top() + s(4) + lineH * double(r);
        if (r == 0) {
            painter.setFont(titleFont);
            painter.setPen(kInk);
            painter.drawText(QRectF(x, y, tfm.horizontalAdvance(title) + 1, lineH),
                             Qt::AlignLeft | Qt::AlignVCenter, title);
            x += tfm.horizontalAdvance(title) + gap;
        }
        painter.setFont(font);
        for (std::size_t i : rows[r]) {
            const report::ChartPoint& p = chart.points[i];
            painter.setPen(s.Outline());
            painter.setBrush(ToColor(p.colour));
            painter.drawRect(QRectF(x, y + (lineH - swatch) / 2, swatch, swatch));
            x += swatch + s(5);
            const QString label = QString::fromStdString(p.label);
            painter.setPen(kInk);
            painter.drawText(QRectF(x, y, fm.horizontalAdvance(label) + 1, lineH),
                             Qt::AlignLeft | Qt::AlignVCenter, label);
            x += fm.horizontalAdvance(label) + gap;
        }
    }
    return height;
}

void PaintBars(QPainter& painter, const Scaler& s, const QRectF& plot, const report::Chart& chart) {
    const report::ChartScale scale = report::BarScale(chart.points);
    const std::size_t n = std::max<std::size_t>(chart.points.size(), 1);

    const QFont axisFont = s.Font(report::FontFamily::Verdana, 8);
    const QFontMetricsF afm(axisFont);
    double axisW = 0;
    for (int k = 0; k <= scale.steps; ++k) {
        axisW = std::max(axisW, afm.horizontalAdvance(ValueText(scale.low + k * scale.step)));
    }
    axisW += s(10);

    const double markH =
        QFontMetricsF(s.Font(report::FontFamily::Verdana, 8.5, true)).height() + s(3);
    const double x0 = plot.left() + axisW;
    double slot = (plot.width() - axisW) / double(n);
    const double depth = std::min(slot * 0.3, s(18));
    slot = (plot.right() - depth - x0) / double(n);
    const double x1 = x0 + slot * double(n);

    // Category labels get a font that fits their slot.
    QFont catFont = s.Font(report::FontFamily::Verdana, 8.5);
    {
        double widest = 0;
        for (const auto& p : chart.points) {
            widest = std::max(
                widest, QFontMetricsF(catFont).horizontalAdvance(QString::fromStdString(p.label)));
        }
        if (widest > slot * 0.96 && widest > 0) {
            catFont.setPixelSize(std::max(1, int(catFont.pixelSize() * slot * 0.96 / widest)));
        }
    }
    const double catH = QFontMetricsF(catFont).height() + s(8);

    const double yTop = plot.top() + markH + depth + s(8);
    const double yBottom = plot.bottom() - catH;
    if (yBottom - yTop < s(20)) return;
    const auto yOf = [&](double v) {
        return yBottom - (v - scale.low) / (scale.high - scale.low) * (yBottom - yTop);
    };
    const QPointF back(depth, -depth);

    // The walls: back wall, left wall and floor, with the grid.
    painter.setPen(QPen(kGrid, std::max(1.0, s(0.8))));
    painter.setBrush(kWall);
    painter.drawRect(QRectF(QPointF(x0, yTop) + back, QPointF(x1, yBottom) + back));
    painter.setBrush(Mix(kWall, Qt::black, 0.04));
    painter.drawPolygon(QPolygonF({QPointF(x0, yTop), QPointF(x0, yTop) + back,
                                   QPointF(x0, yBottom) + back, QPointF(x0, yBottom)}));
    painter.setBrush(Mix(kWall, Qt::black, 0.07));
    painter.drawPolygon(QPolygonF({QPointF(x0, yBottom), QPointF(x1, yBottom),
                                   QPointF(x1, yBottom) + back, QPointF(x0, yBottom) + back}));
    painter.setFont(axisFont);
    for (int k = 0; k <= scale.steps; ++k) {
        const double v = scale.low + k * scale.step;
        const double y = yOf(v);
        const bool zero = std::abs(v) < scale.step * 1e-9;
        painter.setPen(
            QPen(zero && scale.low < 0 ? QColor(0x80, 0x88, 0x96) : kGrid, std::max(1.0, s(0.8))));
        painter.drawLine(QPointF(x0, y), QPointF(x0, y) + back);
        painter.drawLine(QPointF(x0, y) + back, QPointF(x1, y) + back);
        painter.setPen(kInk);
        painter.drawText(QRectF(plot.left(), y - afm.height() / 2, axisW - s(6), afm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, ValueText(v));
    }

    const double bw = slot * 0.6;
    const double zeroY = yOf(0);
    for (std::size_t i = 0; i < chart.points.size(); ++i) {
        const report::ChartPoint& p = chart.points[i];
        const double v = std::isfinite(p.value) ? p.value : 0;
        const double cx = x0 + slot * (double(i) + 0.5);
        const double bx0 = cx - bw / 2, bx1 = cx + bw / 2;
        const double yt = std::min(yOf(v), zeroY), yb = std::max(yOf(v), zeroY);
        const QColor c = ToColor(p.colour);
        painter.setPen(s.Outline());
        // Side, top, then the front face over their shared edges.
        painter.setBrush(Dark(c, 0.28));
        painter.drawPolygon(QPolygonF({QPointF(bx1, yt), QPointF(bx1, yt) + back,
                                       QPointF(bx1, yb) + back, QPointF(bx1, yb)}));
        painter.setBrush(Light(c));
        painter.drawPolygon(QPolygonF({QPointF(bx0, yt), QPointF(bx1, yt), QPointF(bx1, yt) + back,
                                       QPointF(bx0, yt) + back}));
        QLinearGradient front(bx0, 0, bx1, 0);
        front.setColorAt(0, Mix(c, Qt::white, 0.12));
        front.setColorAt(1, Dark(c, 0.08));
        painter.setBrush(front);
        painter.drawRect(QRectF(QPointF(bx0, yt), QPointF(bx1, yb)));

        const QPointF top(cx + depth / 2, (v < 0 ? yb + s(4) : yt - depth - s(4)));
        PaintMark(painter, s, top, ValueText(v), 0, v >= 0);

        painter.setFont(catFont);
        painter.setPen(kInk);
        painter.drawText(QRectF(cx - slot / 2, yBottom + s(4), slot, catH - s(4)),
                         Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(p.label));
    }
}

void PaintPie(QPainter& painter, const Scaler& s, const QRectF& plot, const report::Chart& chart) {
    const std::vector<report::PieSlice> slices = report::PieSlices(chart.points);
    const double markW = QFontMetricsF(s.Font(report::FontFamily::Verdana, 8.5, true))
                             .horizontalAdvance(QStringLiteral("000000")) +
                         s(8);
    const double markH =
        QFontMetricsF(s.Font(report::FontFamily::Verdana, 8.5, true)).height() + s(3);
    const double lead = s(16);
    const double tilt = 0.5;  // the pie seen from above at about 30 degrees
    const double rx =
        std::max(s(20), std::min(plot.width() / 2 - markW - lead - s(8),
                                 (plot.height() - 2 * (markH + lead) - s(10)) / (2 * tilt + 0.24)));
    const double ry = rx * tilt;
    const double thick = rx * 0.12;
    const QPointF centre(plot.center().x(), plot.center().y() - thick / 2);
    const QRectF top(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    const QRectF bottom = top.translated(0, thick);

    const auto rimGradient = [&](const QColor& c) {
        QLinearGradient g(top.left(), 0, top.right(), 0);
        g.setColorAt(0, Dark(c, 0.45));
        g.setColorAt(0.45, Dark(c, 0.18));
        g.setColorAt(1, Dark(c, 0.5));
        return g;
    };

    painter.setPen(s.Outline());
    if (slices.empty()) {
        // Nothing taken: an empty grey disc keeps the chart's shape.
        const QColor grey(0xE4, 0xE8, 0xEE);
        QPainterPath rim;
        rim.arcMoveTo(top, 180);
        rim.arcTo(top, 180, 180);
        rim.arcTo(bottom, 360, -180);
        rim.closeSubpath();
        painter.setBrush(rimGradient(grey));
        painter.drawPath(rim);
        painter.setBrush(grey);
        painter.drawEllipse(top);
        return;
    }

    // The rim: only the front half shows; each slice's part of it lies under
    // its own arc, so the pieces never overlap.
    for (const report::PieSlice& slice : slices) {
        const double lo = slice.startDegrees + slice.spanDegrees;
        const double hi = slice.startDegrees;
        for (double k : {-360.0, 0.0, 360.0}) {
            const double p = std::max(lo + k, 180.0);
            const double q = std::min(hi + k, 360.0);
            if (q - p <= 1e-9) continue;
            QPainterPath rim;
            rim.arcMoveTo(top, p);
            rim.arcTo(top, p, q - p);
            rim.arcTo(bottom, q, p - q);
            rim.closeSubpath();
            painter.setBrush(rimGradient(ToColor(chart.points[slice.point].colour)));
            painter.drawPath(rim);
        }
    }
    for (const report::PieSlice& slice : slices) {
        const QColor c = ToColor(chart.points[slice.point].colour);
        QRadialGradient face(centre, rx);
        face.setColorAt(0, Mix(c, Qt::white, 0.18));
        face.setColorAt(1, c);
        painter.setBrush(face);
        if (slice.share >= 1.0 - 1e-12) {
            painter.drawEllipse(top);
        } else {
            painter.drawPie(top, int(std::lround(slice.startDegrees * 16)),
                            int(std::lround(slice.spanDegrees * 16)));
        }
    }
    // Values beside their slices, with a leader from the edge. Marks on the
    // same side are kept apart, so thin neighbouring slices stay readable.
    struct Mark {
        QPointF edge, out;
        double y;  // centre of the mark
        int side;
        QString text;
    };
    std::vector<Mark> marks;
    for (const report::PieSlice& slice : slices) {
        const double mid = (slice.startDegrees + slice.spanDegrees / 2) * std::numbers::pi / 180;
        const double cs = std::cos(mid), sn = std::sin(mid);
        const double drop = sn < 0 ? thick : 0;
        const QPointF edge(centre.x() + rx * cs, centre.y() - ry * sn + drop);
        const QPointF out(centre.x() + (rx + lead) * cs, centre.y() - (ry + lead) * sn + drop);
        marks.push_back(
            {edge, out, out.y(), cs >= 0 ? 1 : -1, ValueText(chart.points[slice.point].value)});
    }
    const double pitch = markH + s(2);
    for (int side : {-1, 1}) {
        std::vector<Mark*> column;
        for (Mark& m : marks) {
            if (m.side == side) column.push_back(&m);
        }
        std::sort(column.begin(), column.end(),
                  [](const Mark* a, const Mark* b) { return a->y < b->y; });
        for (std::size_t i = 1; i < column.size(); ++i) {
            column[i]->y = std::max(column[i]->y, column[i - 1]->y + pitch);
        }
        // Pushed past the bottom: pack them upwards from there instead.
        const double lowest = plot.bottom() - markH / 2;
        for (std::size_t i = column.size(); i-- > 0;) {
            const double limit = i + 1 < column.size() ? column[i + 1]->y - pitch : lowest;
            column[i]->y = std::min(column[i]->y, limit);
        }
    }
    for (const Mark& m : marks) {
        const QPointF bend(m.out.x(), m.y);
        const QPointF end = bend + QPointF(m.side * s(6), 0);
        painter.setPen(QPen(QColor(0x70, 0x78, 0x88), std::max(1.0, s(0.8))));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF({m.edge, bend, end}));
        PaintMark(painter, s, end + QPointF(0, markH / 2), m.text, m.side, true);
    }
}

}  // namespace

void PaintChart(QPainter& painter, const QRectF& area, const report::Chart& chart) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const Scaler s(area);
    QRectF rest = area.adjusted(s(12), s(10), -s(12), -s(8));

    const QFont titleFont = s.Font(chart.title);
    const double titleH = QFontMetricsF(titleFont).height();
    painter.setFont(titleFont);
    painter.setPen(ToColor(chart.title.colour));
    painter.drawText(QRectF(rest.left(), rest.top(), rest.width(), titleH), Qt::AlignCenter,
                     QString::fromStdString(chart.title.text));
    rest.setTop(rest.top() + titleH + s(14));

    const QFont footerFont = s.Font(chart.footer);
    const double footerH = QFontMetricsF(footerFont).height();
    painter.setFont(footerFont);
    painter.setPen(ToColor(chart.footer.colour));
    painter.drawText(QRectF(rest.left(), rest.bottom() - footerH, rest.width(), footerH),
                     Qt::AlignCenter, QString::fromStdString(chart.footer.text));
    rest.setBottom(rest.bottom() - footerH - s(8));

    const double legendH = Legend(painter, s, rest, chart, false);
    Legend(painter, s, QRectF(rest.left(), rest.bottom() - legendH, rest.width(), legendH), chart,
           true);
    rest.setBottom(rest.bottom() - legendH - s(14));

    if (!chart.points.empty()) {
        if (chart.kind == report::ChartKind::Pie) {
            PaintPie(painter, s, rest, chart);
        } else {
            PaintBars(painter, s, rest, chart);
        }
    }
    painter.restore();
}

bool PaintChartPage(QPrinter& printer, const report::Chart& chart) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, page.width(), page.height());
    PaintChart(painter,
               area.adjusted(area.width() * 0.02, area.height() * 0.03, -area.width() * 0.02,
                             -area.height() * 0.03),
               chart);
    return painter.end();
}

QImage RenderChart(const report::Chart& chart, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart);
    painter.end();
    return image;
}

ChartView::ChartView(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::SetChart(report::Chart chart) {
    chart_ = std::move(chart);
    update();
}

void ChartView::ClearPoints() {
    chart_.points.clear();
    update();
}

void ChartView::SetKind(report::ChartKind kind) {
    chart_.kind = kind;
    update();
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintChart(painter, QRectF(rect()), chart_);
}

}  // namespace corvelo

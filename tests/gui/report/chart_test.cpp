#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "gui/report/chart_painter.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::ScreenTest;

report::Chart YearChart(report::ChartKind kind, std::vector<double> values) {
    static const report::Rgb kColours[] = {{255, 0, 0},   {0, 0, 255},     {255, 228, 196},
                                           {255, 0, 255}, {192, 220, 192}, {255, 255, 0}};
    report::Chart chart = report::StatisticsChartFrame(kind);
    for (std::size_t i = 0; i < values.size(); ++i) {
        chart.points.push_back({"Mese " + std::to_string(i + 1), values[i], kColours[i % 6]});
    }
    return chart;
}

// How many pixels of the picture have exactly colour c.
int Count(const QImage& image, QRgb c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) n += (line[x] & 0xFFFFFF) == (c & 0xFFFFFF);
    }
    return n;
}

class ChartPainterTest : public ScreenTest {};

// Every kind and size draws the points' colours and its texts, without
// tripping over zeros, negatives or an empty series.
TEST_F(ChartPainterTest, DrawsBarsAndPieAtAnySize) {
    for (auto kind : {report::ChartKind::Bars, report::ChartKind::Pie}) {
        for (QSize size : {QSize(1200, 700), QSize(320, 240), QSize(40, 30)}) {
            SCOPED_TRACE(size.width());
            EXPECT_FALSE(RenderChart(YearChart(kind, {1235, 0, 31, -5, 0.5, 400}), size).isNull());
            EXPECT_FALSE(RenderChart(YearChart(kind, {0, 0, 0}), size).isNull());
            EXPECT_FALSE(RenderChart(YearChart(kind, {}), size).isNull());
        }
    }
    // The big positive values show as coloured areas in both kinds; the
    // front face of the bars carries a slight gradient, so look for the pure
    // colour of the pie's slice edge or the bars' legend square.
    const QImage bars = RenderChart(YearChart(report::ChartKind::Bars, {1235, 900}), {1200, 700});
    const QImage pie = RenderChart(YearChart(report::ChartKind::Pie, {1235, 900}), {1200, 700});
    EXPECT_GT(Count(bars, qRgb(255, 0, 0)), 20);
    EXPECT_GT(Count(pie, qRgb(0, 0, 255)), 20);
    EXPECT_NE(bars, pie);
}

TEST_F(ChartPainterTest, ViewKeepsPointsWhenTheKindChanges) {
    ChartView view(QStringLiteral("ChartStats"));
    view.SetChart(YearChart(report::ChartKind::Bars, {1, 2, 3}));
    view.SetKind(report::ChartKind::Pie);
    EXPECT_EQ(view.chart().kind, report::ChartKind::Pie);
    ASSERT_EQ(view.chart().points.size(), 3u);
    EXPECT_EQ(view.chart().points[2].value, 3);
    view.ClearPoints();
    EXPECT_TRUE(view.chart().points.empty());
    EXPECT_EQ(view.chart().title.text, "Statistiche incassi annuali");
}

TEST_F(ChartPainterTest, PrintedPageIsOneLandscapeSheetWithTheTexts) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("chart.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    PaintChartPage(printer, YearChart(report::ChartKind::Pie, {1235, 31}));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("842 x 595 pts"))) << out.toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    text.waitForFinished();
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Statistiche incassi annuali", "Incassi:", "1235", "31"}) {
        EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected;
    }
}

}  // namespace
}  // namespace corvelo

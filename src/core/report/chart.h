// A chart of one series of labelled, coloured values with a title, a footer
// and a legend, drawn as three-dimensional bars or as a three-dimensional
// pie. The chart is plain data; the geometry that both kinds need (the value
// axis of the bars, the angles of the slices) is computed here so that screen
// and printer draw the same thing.
#pragma once

#include <string>
#include <vector>

#include "core/report/report_document.h"

namespace corvelo::report {

enum class ChartKind { Bars, Pie };

struct ChartPoint {
    std::string label;  // "Gennaio"
    double value = 0;
    Rgb colour;
};

// A fixed text of the chart with its look.
struct ChartText {
    std::string text;
    FontFamily family = FontFamily::Verdana;
    double size = 10;  // points
    bool bold = false;
    Rgb colour = kBlack;
};

struct Chart {
    ChartKind kind = ChartKind::Bars;
    ChartText title;
    ChartText footer;
    std::string legendTitle;  // "Incassi:"
    std::vector<ChartPoint> points;
};

// The statistics chart: title "Statistiche incassi annuali" (Verdana 20 bold,
// D04498), footer "Tutti gli importi sono arrotondati all'euro" (Verdana 11
// bold, 7294F9), legend "Incassi:", and no points yet.
Chart StatisticsChartFrame(ChartKind kind);

// The text written beside a bar or a slice: the value with a decimal comma and
// no trailing zeros ("1235", "-40", "12,5").
std::string ChartValueText(double value);

// The value axis of the bars: from `low` to `high` in `steps` equal steps of
// `step`, each a round number (1, 2 or 5 times a power of ten). It always
// holds 0 and every value; all values 0 give 0 to 1.
struct ChartScale {
    double low = 0;
    double high = 1;
    double step = 1;
    int steps = 1;
};
ChartScale BarScale(const std::vector<ChartPoint>& points);

// One slice of the pie: the point it shows, where it starts and how wide it
// is, in degrees counter-clockwise from three o'clock; slices follow each
// other clockwise from twelve o'clock in the order of the points. Points of 0
// or less have no slice.
struct PieSlice {
    std::size_t point = 0;
    double startDegrees = 0;
    double spanDegrees = 0;  // negative: clockwise
    double share = 0;        // of the whole, 0..1
};
std::vector<PieSlice> PieSlices(const std::vector<ChartPoint>& points);

}  // namespace corvelo::report

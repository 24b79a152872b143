#include "core/report/chart.h"

#include <algorithm>
#include <cmath>

#include "core/app/routines.h"

namespace corvelo::report {

Chart StatisticsChartFrame(ChartKind kind) {
    Chart chart;
    chart.kind = kind;
    chart.title = {
        "Statistiche incassi annuali", FontFamily::Verdana, 20, true, {0xD0, 0x44, 0x98}};
    chart.footer = {"Tutti gli importi sono arrotondati all'euro",
                    FontFamily::Verdana,
                    11,
                    true,
                    {0x72, 0x94, 0xF9}};
    chart.legendTitle = "Incassi:";
    return chart;
}

std::string ChartValueText(double value) {
    // A value of -0 is still written "0".
    return NumberToText(value == 0 ? 0.0 : value);
}

namespace {

// The smallest of 1, 2, 5 times a power of ten that is at least x (x > 0).
double RoundStep(double x) {
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= x * (1 - 1e-12)) return m * power;
    }
    return 10 * power;
}

}  // namespace

ChartScale BarScale(const std::vector<ChartPoint>& points) {
    double low = 0;
    double high = 0;
    for (const ChartPoint& p : points) {
        if (!std::isfinite(p.value)) continue;
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
    ChartScale scale;
    if (high - low <= 0) return scale;  // nothing but zeros: 0 to 1
    // About five grid lines whatever the size of the takings.
    scale.step = RoundStep((high - low) / 5);
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.high = std::ceil(high / scale.step) * scale.step;
    if (scale.high <= scale.low) scale.high = scale.low + scale.step;
    scale.steps = static_cast<int>(std::lround((scale.high - scale.low) / scale.step));
    return scale;
}

std::vector<PieSlice> PieSlices(const std::vector<ChartPoint>& points) {
    double total = 0;
    for (const ChartPoint& p : points) {
        if (std::isfinite(p.value) && p.value > 0) total += p.value;
    }
    std::vector<PieSlice> slices;
    if (total <= 0) return slices;
    double start = 90;  // twelve o'clock
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double v = points[i].value;
        if (!std::isfinite(v) || v <= 0) continue;
        const double share = v / total;
        slices.push_back({i, start, -360 * share, share});
        start -= 360 * share;
    }
    return slices;
}

}  // namespace corvelo::report

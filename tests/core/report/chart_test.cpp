#include "core/report/chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "support/case_names.h"

namespace corvelo::report {
namespace {

std::vector<ChartPoint> Points(std::vector<double> values) {
    std::vector<ChartPoint> points;
    for (double v : values) points.push_back({"m", v, kBlack});
    return points;
}

TEST(ChartTest, StatisticsFrameCarriesTheFixedTexts) {
    const Chart chart = StatisticsChartFrame(ChartKind::Pie);
    EXPECT_EQ(chart.kind, ChartKind::Pie);
    EXPECT_EQ(chart.title.text, "Statistiche incassi annuali");
    EXPECT_TRUE(chart.title.bold);
    EXPECT_EQ(chart.title.colour, (Rgb{0xD0, 0x44, 0x98}));
    EXPECT_EQ(chart.footer.text, "Tutti gli importi sono arrotondati all'euro");
    EXPECT_EQ(chart.footer.colour, (Rgb{0x72, 0x94, 0xF9}));
    EXPECT_EQ(chart.legendTitle, "Incassi:");
    EXPECT_TRUE(chart.points.empty());
}

TEST(ChartTest, ValuesAreWrittenWithADecimalComma) {
    EXPECT_EQ(ChartValueText(1235), "1235");
    EXPECT_EQ(ChartValueText(0), "0");
    EXPECT_EQ(ChartValueText(-0.0), "0");
    EXPECT_EQ(ChartValueText(-40), "-40");
    EXPECT_EQ(ChartValueText(12.5), "12,5");
}

bool IsRoundStep(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (std::abs(mantissa - m) < 1e-9) return true;
    }
    return false;
}

class BarScaleTest : public ::testing::TestWithParam<std::vector<double>> {};

TEST_P(BarScaleTest, HoldsZeroAndEveryValueInRoundSteps) {
    const ChartScale s = BarScale(Points(GetParam()));
    EXPECT_TRUE(IsRoundStep(s.step)) << s.step;
    EXPECT_LE(s.low, 0);
    EXPECT_GE(s.high, 0);
    EXPECT_GT(s.high, s.low);
    for (double v : GetParam()) {
        EXPECT_LE(s.low, v);
        EXPECT_GE(s.high, v);
    }
    EXPECT_NEAR(s.low + s.steps * s.step, s.high, s.step * 1e-9);
    EXPECT_GE(s.steps, 1);
    EXPECT_LE(s.steps, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BarScaleTest,
    ::testing::Values(std::vector<double>{0, 0, 0}, std::vector<double>{1},
                      std::vector<double>{1235, 0, 31, 0}, std::vector<double>{99999, 100000},
                      std::vector<double>{-40, 100}, std::vector<double>{-7},
                      std::vector<double>{0.3}, std::vector<double>{1e12, 3}),
    [](const auto& info) {
        std::string name;
        for (double v : info.param) {
            std::ostringstream text;
            text << v;
            if (!name.empty()) name += "_";
            for (char c : text.str()) {
                name += c == '-' ? "minus" : c == '.' ? "point" : c == '+' ? "" : std::string(1, c);
            }
        }
        return name;
    });

TEST(BarScaleTest, AllZeroGivesZeroToOne) {
    const ChartScale s = BarScale(Points({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.low, 0);
    EXPECT_EQ(s.high, 1);
}

TEST(PieSlicesTest, SlicesFollowClockwiseFromTwelveAndFillTheCircle) {
    const std::vector<PieSlice> slices = PieSlices(Points({100, 0, 300, -20, 0, 600}));
    ASSERT_EQ(slices.size(), 3u);  // zero and negative points have no slice
    EXPECT_EQ(slices[0].point, 0u);
    EXPECT_EQ(slices[1].point, 2u);
    EXPECT_EQ(slices[2].point, 5u);
    EXPECT_DOUBLE_EQ(slices[0].startDegrees, 90);
    EXPECT_DOUBLE_EQ(slices[0].share, 0.1);
    EXPECT_DOUBLE_EQ(slices[1].share, 0.3);
    EXPECT_DOUBLE_EQ(slices[2].share, 0.6);
    double span = 0;
    for (std::size_t i = 0; i < slices.size(); ++i) {
        EXPECT_LT(slices[i].spanDegrees, 0);
        if (i > 0) {
            EXPECT_NEAR(slices[i].startDegrees,
                        slices[i - 1].startDegrees + slices[i - 1].spanDegrees, 1e-9);
        }
        span += slices[i].spanDegrees;
    }
    EXPECT_NEAR(span, -360, 1e-9);
}

TEST(PieSlicesTest, NothingTakenGivesNoSlices) {
    EXPECT_TRUE(PieSlices(Points({0, 0, 0})).empty());
    EXPECT_TRUE(PieSlices({}).empty());
}

}  // namespace
}  // namespace corvelo::report

#include <gtest/gtest.h>

#include "core/report/font_metrics.h"
#include "core/report/report_document.h"
#include "support/case_names.h"

namespace corvelo::report {
namespace {

struct TagCase {
    const char* input;
    std::vector<TextRun> runs;
};

class FormattedTextTest : public ::testing::TestWithParam<TagCase> {};

TEST_P(FormattedTextTest, TurnsTagsIntoRuns) {
    EXPECT_EQ(ParseFormattedText(GetParam().input), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormattedTextTest,
    ::testing::Values(TagCase{"plain", {{"plain"}}}, TagCase{"", {}},
                      TagCase{"a <b>bold</b> c", {{"a "}, {"bold", true}, {" c"}}},
                      TagCase{"<B>x</B><I>y</I><U>z</U>",
                              {{"x", true}, {"y", false, true}, {"z", false, false, true}}},
                      // Nested styles add up and come off one at a time.
                      TagCase{
                          "<b>a<i>b<u>c</u></i>d</b>",
                          {{"a", true}, {"b", true, true}, {"c", true, true, true}, {"d", true}}},
                      // Anything that is not one of the three tags is text.
                      TagCase{"[DATE] <p>x</p> a<b", {{"[DATE] <p>x</p> a<b"}}},
                      TagCase{"1 < 2 > 0", {{"1 < 2 > 0"}}},
                      // A stray closing tag disappears; an open tag lasts to the end.
                      TagCase{"a</b>b<i>c", {{"a"}, {"b"}, {"c", false, true}}}),
    [](const auto& info) { return testing::CaseName(info.param.input); });

TEST(ReportDocumentTest, SetTextIsLiteralAndReportsMissingObjects) {
    ReportDocument doc;
    TextObject text;
    text.name = "txtA";
    doc.pages.emplace_back().objects.push_back(text);
    EXPECT_TRUE(doc.SetText("txtA", "<b>[x]</b>"));
    EXPECT_EQ(doc.FindText("txtA")->Text(), "<b>[x]</b>");
    EXPECT_TRUE(doc.SetFormattedText("txtA", "<b>[x]</b>"));
    EXPECT_EQ(doc.FindText("txtA")->runs, (std::vector<TextRun>{{"[x]", true}}));
    EXPECT_FALSE(doc.SetText("txtB", "x"));
    EXPECT_FALSE(doc.SetPicture("txtA", Picture{}));
}

TEST(FontMetricsTest, WidthsFollowTheStandardFonts) {
    // Helvetica: A 667, a 556, bold A 722, euro 556; Courier: every glyph 600.
    EXPECT_EQ(GlyphWidth(FontFamily::Arial, false, false, 'A'), 667);
    EXPECT_EQ(GlyphWidth(FontFamily::Arial, false, true, 'a'), 556);
    EXPECT_EQ(GlyphWidth(FontFamily::Arial, true, false, 'A'), 722);
    EXPECT_EQ(GlyphWidth(FontFamily::Verdana, false, false, 0x80), 556);
    EXPECT_EQ(GlyphWidth(FontFamily::CourierNew, true, true, 'W'), 600);
    // 10 characters of Courier at 12 pt: 10 x 0.6 x 12 pt = 72 pt = 96 units.
    EXPECT_DOUBLE_EQ(TextWidth("àèìòù€[]()", FontFamily::CourierNew, 12, false, false), 96.0);
    // A character outside the code page is measured as the '?' it becomes.
    EXPECT_DOUBLE_EQ(TextWidth("∞", FontFamily::Arial, 10, false, false),
                     TextWidth("?", FontFamily::Arial, 10, false, false));
}

TEST(TextPlacementTest, AlignmentAndInset) {
    TextObject t;
    t.left = 100;
    t.top = 50;
    t.width = 200;
    t.height = 20;
    EXPECT_DOUBLE_EQ(TextStartX(t, 40), 102);
    t.align = HAlign::Centre;
    EXPECT_DOUBLE_EQ(TextStartX(t, 40), 180);
    t.align = HAlign::Right;
    EXPECT_DOUBLE_EQ(TextStartX(t, 40), 258);

    const FaceMetrics m = FaceMetricsOf(FontFamily::Arial);
    const double size = 10 * kUnitsPerPoint;
    EXPECT_DOUBLE_EQ(TextBaseline(t), 51 + m.ascent * size);
    t.centreVertically = true;
    // The line's ink box sits in the middle of the box.
    const double top = TextBaseline(t) - m.ascent * size;
    const double bottom = TextBaseline(t) + m.descent * size;
    EXPECT_NEAR(top - 50, 70 - bottom, 1e-9);
}

}  // namespace
}  // namespace corvelo::report

#include "core/report/manual.h"

#include <gtest/gtest.h>

#include <string>

#include "core/report/font_metrics.h"

namespace corvelo::report {
namespace {

constexpr Font kFont{FontFamily::Arial, 10};

double WidthOf(const std::string& s) {
    return TextWidth(s, kFont.family, kFont.size, kFont.bold, kFont.italic);
}

std::string Joined(const std::vector<std::string>& lines, const char* glue) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? glue : "") + lines[i];
    return out;
}

TEST(WrapTextTest, LinesFitAndKeepEveryWordInOrder) {
    const std::string text =
        "Il pulsante Stampa grafico stampa il grafico visualizzato, in quante copie si desidera, "
        "sulla stampante scelta nella finestra di stampa: città, perché, così.";
    for (double width : {150.0, 400.0, 2000.0}) {
        SCOPED_TRACE(width);
        const auto lines = WrapText(text, kFont, width);
        for (const auto& line : lines) EXPECT_LE(WidthOf(line), width) << line;
        EXPECT_EQ(Joined(lines, " "), text);
    }
    EXPECT_EQ(WrapText(text, kFont, 2000).size(), 1u);
}

TEST(WrapTextTest, OverlongWordsAreCutAndLineFeedsBreak) {
    const std::string word(60, 'W');
    const auto lines = WrapText("ab " + word, kFont, 100);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "ab");
    for (const auto& line : lines) EXPECT_LE(WidthOf(line), 100);
    EXPECT_EQ(Joined(lines, ""), "ab" + word);

    EXPECT_EQ(WrapText("uno\r\ndue\n\ntre", kFont, 500),
              (std::vector<std::string>{"uno", "due", "", "tre"}));
    EXPECT_EQ(WrapText("", kFont, 500), std::vector<std::string>{""});
}

TEST(ManualTest, HoldsEveryHelpPageOnNumberedA4Pages) {
    const std::vector<HelpPage> pages = ManualPages();
    ASSERT_EQ(pages.size(), 9u);
    const ReportDocument doc = BuildManual(pages);
    EXPECT_EQ(doc.title, "Guida all'utilizzo del software");
    ASSERT_GE(doc.pages.size(), 2u);
    std::string all;
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const Page& page = doc.pages[p];
        EXPECT_NEAR(page.width, kA4Short, 0.01);
        EXPECT_NEAR(page.height, kA4Long, 0.01);
        bool numbered = false;
        for (const ReportObject& object : page.objects) {
            const auto* text = std::get_if<TextObject>(&object);
            if (!text) continue;
            EXPECT_LE(text->top + text->height, page.height);
            EXPECT_LE(text->left + text->width, page.width);
            all += text->Text() + " ";
            numbered |= text->Text() == "Pagina " + std::to_string(p + 1) + " di " +
                                            std::to_string(doc.pages.size());
        }
        EXPECT_TRUE(numbered) << p;
    }
    for (const HelpPage& page : pages) {
        EXPECT_NE(all.find(page.title), std::string::npos) << page.title;
    }
    // The first words of the statistics page, as the help window shows them.
    EXPECT_NE(all.find("L'applicazione Statistiche ricevute emesse consente"), std::string::npos);
}

}  // namespace
}  // namespace corvelo::report

#include "core/warehouse/stock_update.h"

#include <gtest/gtest.h>

namespace corvelo {
namespace {

TEST(StockUpdateTest, OpensOnTheCardsStock) {
    EXPECT_EQ(OpenStockWindow(" 10 "), (StockWindowTexts{"10", "0", "10"}));
    EXPECT_EQ(OpenStockWindow(""), (StockWindowTexts{"0", "0", "0"}));
}

TEST(StockUpdateTest, TotalAddsOrSubtractsAsTheLabelSays) {
    struct Case {
        std::string_view label;
        std::string stock, quantity, total;
    };
    const Case cases[] = {
        {kLabelAggiungi, "10", "5", "15"},
        {kLabelSottrai, "10", "12", "-2"},  // not checked: the stock may go negative
        {kLabelSottrai, "10", "9,99", "0,01"},
        {kLabelAggiungi, "2,5", "", "2,5"},  // an empty box counts as 0
        {"  Quantità da sottrarre: ", "3", "1", "2"},
    };
    for (const Case& c : cases) {
        const StockTotal t = CalculateStockTotal(c.label, {c.stock, c.quantity, c.stock});
        EXPECT_TRUE(t.computed) << c.stock << " " << c.quantity;
        EXPECT_EQ(t.texts.totale, c.total) << c.stock << " " << c.quantity;
    }
}

TEST(StockUpdateTest, ApplyTotalsFirstAndHandsTheTotalToTheCard) {
    // A quantity typed but not totalled is still applied.
    const StockApply a = ApplyStock(kLabelAggiungi, {"10", "5", "10"});
    EXPECT_TRUE(a.applied);
    EXPECT_EQ(a.card_stock, "15");
    EXPECT_TRUE(a.notice.empty());
}

TEST(StockUpdateTest, ATotalThatCannotBeComputedAppliesNothing) {
    const StockApply a = ApplyStock(kLabelSottrai, {"10", "1x", "10"});
    EXPECT_FALSE(a.applied);
    EXPECT_EQ(a.texts, (StockWindowTexts{"0", "0", "0"}));
    EXPECT_TRUE(a.notice.empty());
}

TEST(StockUpdateTest, ATotalLongerThanTheStockFieldIsRefused) {
    // Large totals come out in exponent form, which is short; many decimals
    // do not.
    const StockApply a = ApplyStock(kLabelAggiungi, {"123456789012,1", "0,0234", "0"});
    EXPECT_FALSE(a.applied);
    EXPECT_EQ(a.notice.kind, NoticeKind::kWarning);
    EXPECT_NE(a.notice.text.find("la giacenza (123456789012,123)"), std::string::npos)
        << a.notice.text;
}

}  // namespace
}  // namespace corvelo

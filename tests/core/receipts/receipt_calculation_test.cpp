#include "core/receipts/receipt_calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_names.h"

namespace corvelo {
namespace {

struct CalcCase {
    const char* name;
    std::vector<std::string> lines;  // line amounts from line 1 on
    std::string acconti;
    std::string tassa;
    std::string tot_corrispettivi;
    std::string totale;
    std::string tassa_after;
    std::string acconti_after;
};

class CalculationTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalculationTest, GivesTotalsAsShown) {
    const CalcCase& c = GetParam();
    ReceiptAmounts in;
    for (std::size_t i = 0; i < c.lines.size(); ++i) in.prezzo[i] = c.lines[i];
    in.acconti = c.acconti;
    in.tassa = c.tassa;
    const CalculationOutcome out = CalculateReceipt(in);
    ASSERT_TRUE(out.ok()) << out.notice.text;
    EXPECT_EQ(out.texts.tot_corrispettivi, c.tot_corrispettivi);
    EXPECT_EQ(out.texts.totale, c.totale);
    EXPECT_EQ(out.texts.tassa, c.tassa_after);
    EXPECT_EQ(out.texts.acconti, c.acconti_after);
    EXPECT_EQ(out.texts.prezzo, in.prezzo);  // lines are never rewritten
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculationTest,
    ::testing::Values(
        CalcCase{"OneLineEmptyAdvances", {"100"}, "", "2", "100,00", "102,00", "2,00", "0,00"},
        CalcCase{"TwoLines", {"10,5", "0,25"}, "0,00", "0,00", "10,75", "10,75", "0,00", "0,00"},
        CalcCase{
            "FourDecimalsEmptyDuty", {"12,3456"}, "0,00", "", "12,35", "12,35", "0,00", "0,00"},
        CalcCase{"AllEmpty", {}, "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"},
        CalcCase{"HalfRoundsUp", {"0,125"}, "0,00", "0,00", "0,13", "0,13", "0,00", "0,00"},
        CalcCase{"BinaryJustBelowHalf", {"1,005"}, "0,00", "0,00", "1,00", "1,00", "0,00", "0,00"},
        CalcCase{"SumRoundedNotLines",
                 {"0,005", "0,005"},
                 "0,00",
                 "0,00",
                 "0,01",
                 "0,01",
                 "0,00",
                 "0,00"},
        CalcCase{"GapBetweenLines", {"1", "", "2"}, "0,00", "0,00", "3,00", "3,00", "0,00", "0,00"},
        CalcCase{
            "DueFromUnroundedValues", {"0,004"}, "0,00", "0,004", "0,00", "0,01", "0,00", "0,00"},
        CalcCase{"AdvancesKeepFourDecimals",
                 {"10"},
                 "0,1234",
                 "0,00",
                 "10,00",
                 "9,88",
                 "0,00",
                 "0,1234"},
        CalcCase{"NegativeDue", {"10"}, "15,00", "2,00", "10,00", "-3,00", "2,00", "15,00"}),
    testing::ByName());

TEST(CalculationFailure, NamesTheTextAndChangesNoTotal) {
    struct Bad {
        int line;  // 0: the advances
        std::string text;
    };
    for (const Bad& bad : {Bad{7, "1,2,3"}, Bad{0, "abc"}}) {
        ReceiptAmounts in;
        in.prezzo[0] = "5";
        in.tot_corrispettivi = "5,00";
        in.totale = "";
        in.tassa = "2";
        if (bad.line)
            in.prezzo[bad.line - 1] = bad.text;
        else
            in.acconti = bad.text;
        const CalculationOutcome out = CalculateReceipt(in);
        EXPECT_EQ(out.notice.kind, NoticeKind::kError);
        EXPECT_EQ(out.notice.text, "'" + bad.text + "' is not a valid floating point value");
        EXPECT_EQ(out.texts.tot_corrispettivi, "5,00");
        EXPECT_EQ(out.texts.totale, "");
        EXPECT_EQ(out.texts.tassa, "2");
    }
}

TEST(CalculationFailure, EmptyAdvancesBecomeZeroEvenWhenALineIsBad) {
    ReceiptAmounts in;
    in.prezzo[0] = "x";
    EXPECT_EQ(CalculateReceipt(in).texts.acconti, "0,00");
}

TEST(StaleTotals, KeyPressesEmptyTheTotalsTheyAffect) {
    ReceiptTexts t;
    auto filled = [&] {
        t[TRicevuta::TotCorrispettivi] = "1,00";
        t[TRicevuta::Totale] = "1,00";
    };
    filled();
    ApplyKeyPressIn(TRicevuta::Prezzo30, t);
    EXPECT_EQ(t[TRicevuta::TotCorrispettivi], "");
    EXPECT_EQ(t[TRicevuta::Totale], "");
    filled();
    ApplyKeyPressIn(TRicevuta::Tassa, t);
    EXPECT_EQ(t[TRicevuta::TotCorrispettivi], "1,00");
    EXPECT_EQ(t[TRicevuta::Totale], "");
    filled();
    ApplyKeyPressIn(TRicevuta::Desc01, t);
    EXPECT_EQ(t[TRicevuta::Totale], "1,00");
}

}  // namespace
}  // namespace corvelo

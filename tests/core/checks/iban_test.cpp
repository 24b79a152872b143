#include "core/checks/iban.h"

#include <gtest/gtest.h>

#include <string>

#include "support/check_cases.h"

namespace corvelo {
namespace {

using Case = testing::CheckCase;

class IbanCase : public testing::CheckCaseTest {};

TEST_P(IbanCase, Reports) {
    const Case& c = GetParam();
    testing::ExpectReport(CheckIban(c.box), c.verdict,
                          {kMsgIbanValido, kMsgIbanErrato, kMsgIbanLunghezza});
}

INSTANTIATE_TEST_SUITE_P(
    Ibans, IbanCase,
    ::testing::Values(
        Case{"valid", "IT60X0542811101000000123456", CheckVerdict::Valid},
        Case{"lower_case", "it60x0542811101000000123456", CheckVerdict::Valid},
        Case{"surrounding_blanks", "  IT60X0542811101000000123456 ", CheckVerdict::Valid},
        Case{"adjacent_swapped", "IT60X0542811101000000123465", CheckVerdict::Wrong},
        Case{"check_pair_changed", "IT61X0542811101000000123456", CheckVerdict::Wrong},
        Case{"hyphen", "IT60X0542811101000000-23456", CheckVerdict::Wrong},
        Case{"groups_of_four", "IT60 X054 2811 1010 0000 0123 456", CheckVerdict::Retry},
        Case{"twenty_six", "IT60X054281110100000012345", CheckVerdict::Retry},
        Case{"empty", "", CheckVerdict::Retry},
        Case{"one_blank_inside", "IT60 X0542811101000000123456", CheckVerdict::Retry},
        Case{"all_digits_27", "123456789012345678901234567", CheckVerdict::Wrong}),
    testing::ByName());

TEST(IbanCorrect, BlanksWordAndForeignLengths) {
    EXPECT_TRUE(IsIbanCorrect("IT60 X054 2811 1010 0000 0123 456"));
    EXPECT_TRUE(IsIbanCorrect("IBAN IT60X0542811101000000123456"));
    EXPECT_TRUE(IsIbanCorrect("GB82WEST12345698765432"));
    EXPECT_TRUE(IsIbanCorrect("DE89370400440532013000"));
    EXPECT_FALSE(IsIbanCorrect("DE89370400440532013001"));
    EXPECT_FALSE(IsIbanCorrect("IT60X054281110100000012345à"));
    EXPECT_FALSE(IsIbanCorrect(""));
    EXPECT_FALSE(IsIbanCorrect("IBAN"));
}

TEST(IbanCheck, BlanksInsideTwentySevenAreDroppedBeforeChecking) {
    // 27 characters with one blank: 26 left, checked and found wrong.
    EXPECT_EQ(CheckIban("IT60 X054281110100000012345").verdict, CheckVerdict::Wrong);
}

}  // namespace
}  // namespace corvelo

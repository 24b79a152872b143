#include "core/checks/codice_fiscale.h"

#include <gtest/gtest.h>

#include <string>

#include "support/check_cases.h"

namespace corvelo {
namespace {

using Case = testing::CheckCase;

class CodiceFiscaleCase : public testing::CheckCaseTest {};

TEST_P(CodiceFiscaleCase, Reports) {
    const Case& c = GetParam();
    testing::ExpectReport(CheckCodiceFiscale(c.box), c.verdict,
                          {kMsgCodFiscValido, kMsgCodFiscErrato, kMsgCodFiscLunghezza});
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CodiceFiscaleCase,
    ::testing::Values(Case{"valid", "RSSMRA85T10A562S", CheckVerdict::Valid},
                      Case{"valid_woman", "BNCLRA70A41H501B", CheckVerdict::Valid},
                      Case{"lower_case", "rssmra85t10a562s", CheckVerdict::Valid},
                      // Digits replaced by the letters of duplicate codes, check recomputed.
                      Case{"duplicate_code_letters", "RSSMRAURTMLA562P", CheckVerdict::Valid},
                      Case{"check_char_changed", "RSSMRA85T10A562T", CheckVerdict::Wrong},
                      Case{"digit_changed", "RSSMRA85T10A563S", CheckVerdict::Wrong},
                      Case{"digit_as_check_char", "RSSMRA85T10A5621", CheckVerdict::Wrong},
                      Case{"empty", "", CheckVerdict::Retry},
                      Case{"fifteen", "RSSMRA85T10A562", CheckVerdict::Retry},
                      Case{"seventeen", "RSSMRA85T10A562SX", CheckVerdict::Retry},
                      Case{"blank_inside", "RSSMRA85 10A562S", CheckVerdict::Wrong},
                      Case{"hyphen", "RSSMRA-5T10A562S", CheckVerdict::Wrong},
                      Case{"bracket_above_z", "RSSMRA85T10A[62S", CheckVerdict::Wrong},
                      // Sixteen characters, seventeen bytes: an accented letter has no value.
                      Case{"accented_letter",
                           "RSSMRÀ"
                           "85T10A562S",
                           CheckVerdict::Wrong}),
    testing::ByName());

TEST(CodiceFiscaleCheckChar, EveryLetterAndDigitInBothPositions) {
    // Together these put every character "0"-"9", "A"-"Z" in an odd and in an
    // even position, so a wrong value anywhere in either table shows.
    const char* const codes[] = {"ABCDEFGHIJKLMNOZ", "BCDEFGHIJKLMNOPL", "PQRSTUVWXYZ0123K",
                                 "QRSTUVWXYZ01234W", "456789ABCDEFGHIZ", "56789ABCDEFGHIJN",
                                 "4P4P4P4P4P4P4P4V", "A4AAAAAAAAAAAAAM"};
    for (std::string_view code : codes) {
        EXPECT_EQ(CodiceFiscaleCheckChar(code), code[15]) << code;
    }
}

TEST(CodiceFiscaleCheckChar, CharactersBetweenNineAndACountZero) {
    // ":" to "@" count 0 in both tables, like "0" in an even position and
    // "B" in an odd one.
    EXPECT_EQ(CodiceFiscaleCheckChar("B0B0B0B0B0B0B0B"), 'A');
    EXPECT_EQ(CodiceFiscaleCheckChar(":@:?:=:;:<:>:@:"), 'A');
    EXPECT_EQ(CodiceFiscaleCheckChar("Z0000000000000"), std::nullopt);  // too short
    EXPECT_EQ(CodiceFiscaleCheckChar("ZZZZZZZZZZZZZZa"), std::nullopt);
}

}  // namespace
}  // namespace corvelo

#include "core/checks/carta.h"

#include <gtest/gtest.h>

#include <string>

#include "support/check_cases.h"

namespace corvelo {
namespace {

std::string Valid(std::string_view number, std::string_view type) {
    return std::string(kMsgCartaValidaA) + std::string(number) + std::string(kMsgCartaValidaB) +
           std::string(type) + ".";
}

using Case = testing::CheckCase;

class CartaCase : public testing::CheckCaseTest {};

TEST_P(CartaCase, Reports) {
    const Case& c = GetParam();
    testing::ExpectReport(
        CheckCarta(c.box), c.verdict,
        {c.detail ? Valid(c.box, c.detail) : "", kMsgCartaErrata, kMsgCartaVuota});
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, CartaCase,
    ::testing::Values(
        Case{"visa", "4111111111111111", CheckVerdict::Valid, "Visa"},
        Case{"visa_last_changed", "4111111111111112", CheckVerdict::Wrong, nullptr},
        Case{"amex", "378282246310005", CheckVerdict::Valid, "American Express"},
        Case{"amex_34", "343434343434343", CheckVerdict::Valid, "American Express"},
        Case{"diners", "30569309025904", CheckVerdict::Valid, "Diner's Club / Carte Blanche"},
        Case{"jcb", "3530111333300000", CheckVerdict::Valid, "JCB"},
        Case{"mastercard", "5555555555554444", CheckVerdict::Valid, "MasterCard"},
        Case{"discover", "6011111111111117", CheckVerdict::Valid, "Discover"},
        Case{"starts_with_2", "2223000048400011", CheckVerdict::Wrong, nullptr},
        Case{"starts_with_7", "700000000000003", CheckVerdict::Wrong, nullptr},
        Case{"starts_with_32", "320000000000003", CheckVerdict::Valid, nullptr},
        Case{"starts_with_39", "391234567890126", CheckVerdict::Valid, nullptr},
        // Only the first 20 characters count: valid there, whatever follows.
        Case{"25_digits_first_20_valid", "4111111111111111111512345", CheckVerdict::Valid, "Visa"},
        Case{"25_digits_only_whole_valid", "4111111111111111111412345", CheckVerdict::Wrong,
             nullptr},
        Case{"groups_with_blanks", "4111 1111 1111 1111", CheckVerdict::Valid, "Visa"},
        Case{"no_digits", "ABC", CheckVerdict::Wrong, nullptr},
        Case{"single_zero", "0", CheckVerdict::Wrong, nullptr},
        Case{"empty", "", CheckVerdict::Retry, nullptr},
        Case{"blanks_only", "   ", CheckVerdict::Retry, nullptr}),
    testing::ByName());

TEST(Carta, MessageNamesTheTrimmedNumber) {
    EXPECT_EQ(CheckCarta("  4111111111111111 ").message, Valid("4111111111111111", "Visa"));
}

TEST(Carta, DigitsAfterTheTwentiethCharacterTakeNoPart) {
    // Blanks count as characters: the last digit here is the 21st character.
    EXPECT_EQ(CardTypeCode("4111 1111 1111 1111 1"), 2);
    EXPECT_EQ(CardTypeCode("4111 1111 1111 11111"), 0);
}

TEST(Carta, TypeCodes) {
    EXPECT_EQ(CardTypeCode("378282246310005"), 1);
    EXPECT_EQ(CardTypeCode("4111111111111111"), 2);
    EXPECT_EQ(CardTypeCode("5555555555554444"), 3);
    EXPECT_EQ(CardTypeCode("6011111111111117"), 4);
    EXPECT_EQ(CardTypeCode("200000000000008"), 0);
    EXPECT_EQ(CardTypeCode("700000000000003"), -1);
    EXPECT_EQ(CardTypeCode(""), 0);
}

}  // namespace
}  // namespace corvelo

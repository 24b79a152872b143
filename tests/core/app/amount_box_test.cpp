#include "core/app/amount_box.h"

#include <gtest/gtest.h>

namespace corvelo {
namespace {

TEST(NormaliseAmount, RoundsToFourDecimalsAndCompletesToTwo) {
    const std::pair<const char*, const char*> cases[] = {
        {"12", "12,00"},
        {"12,5", "12,50"},
        {"3,14159", "3,1416"},
        {",5", "0,50"},
        {"1,2,3", "0,00"},
        {"0,00004", "0,00"},
        {"0,00005", "0,0001"},
        {" 7 ", "7,00"},
        {"5,", "5,00"},
        {"0", "0,00"},
        {"-8", "-8,00"},
        {"1.5", "0,00"},
        {"abc", "0,00"},
        {",", "0,00"},
        {"1,005", "1,005"},
        {"2,99999", "3,00"},
        {"1234567890", "1234567890,00"},
        {"1000000000000000", "1000000000000000,00"},
        {"25000000000000000000", "25000000000000000000,00"},
    };
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(NormaliseAmount(typed, EmptyAmount::BecomesZero), shown) << typed;
        EXPECT_EQ(NormaliseAmount(typed, EmptyAmount::StaysEmpty), shown) << typed;
    }
}

TEST(NormaliseAmount, EmptyBoxFollowsItsRule) {
    for (const char* typed : {"", "   "}) {
        EXPECT_EQ(NormaliseAmount(typed, EmptyAmount::StaysEmpty), "");
        EXPECT_EQ(NormaliseAmount(typed, EmptyAmount::BecomesZero), "0,00");
    }
}

TEST(KeyFilters, PassOnlyDigitsCommaAndEditingKeys) {
    for (EditKey key : {EditKey::Backspace, EditKey::Delete, EditKey::Left, EditKey::Right}) {
        EXPECT_TRUE(AmountKeyPasses(key, 0));
        EXPECT_TRUE(DigitsKeyPasses(key, 0));
    }
    for (char32_t c = U'0'; c <= U'9'; ++c) {
        EXPECT_TRUE(AmountKeyPasses(EditKey::Other, c));
        EXPECT_TRUE(DigitsKeyPasses(EditKey::Other, c));
    }
    EXPECT_TRUE(AmountKeyPasses(EditKey::Other, U','));
    EXPECT_FALSE(DigitsKeyPasses(EditKey::Other, U','));
    // Tab, Home, End, Up and Down come as Other with no character (or a
    // control character); Enter belongs to the Enter chain.
    for (char32_t c : {U'\0', U'\t', U'-', U'.', U'+', U' ', U'a', U'E', U'\x16', U'٣'}) {
        EXPECT_FALSE(AmountKeyPasses(EditKey::Other, c)) << static_cast<unsigned>(c);
        EXPECT_FALSE(DigitsKeyPasses(EditKey::Other, c)) << static_cast<unsigned>(c);
    }
    EXPECT_FALSE(AmountKeyPasses(EditKey::Enter, U'\r'));
    EXPECT_FALSE(DigitsKeyPasses(EditKey::Enter, U'\r'));
}

}  // namespace
}  // namespace corvelo

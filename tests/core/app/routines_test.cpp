#include "core/app/routines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvelo {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

struct NumberCase {
    const char* text;
    double value;
};

TEST(TextToNumber, ReadsTheWrittenNumber) {
    const NumberCase cases[] = {
        {"12", 12},
        {"12,5", 12.5},
        {",5", 0.5},
        {"5,", 5},
        {"-8", -8},
        {"+3,25", 3.25},
        {"  7,75  ", 7.75},
        {"\t42\t", 42},
        {"0", 0},
        {"-0,0", 0},
        {"1E3", 1000},
        {"1,5e-2", 0.015},
        {"2E+2", 200},
        {"-,5E1", -5},
        {"007", 7},
        {"3,14159", 3.14159},
        {"1E-400", 0},
        {"0,1", 0.1},
        {"123456789012345", 123456789012345.0},
    };
    for (const auto& c : cases) {
        const auto value = TextToNumber(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(TextToNumber, RefusesWhatIsNotANumber) {
    const char* cases[] = {"",      "   ", ",",     "-",     "+",    "1.5", "1.000,00",
                           "1,2,3", "12a", "a12",   "1 000", "--1",  "+-1", "1E",
                           "1E+",   "E5",  ",E5",   "1,5,",  "0x10", "inf", "nan",
                           "1E400", "- 1", "1e5e5", "€5",    "1,5€"};
    for (const char* text : cases)
        EXPECT_FALSE(TextToNumber(text).has_value()) << "[" << text << "]";
}

TEST(NumberToText, WritesFifteenDigitsWithAComma) {
    const NumberCase cases[] = {
        {"102", 102},
        {"10,75", 10.75},
        {"0,5", 0.5},
        {"0", 0},
        {"0", -0.0},
        {"-8", -8},
        {"-0,25", -0.25},
        {"0,1", 0.1},
        {"0,3", 0.1 + 0.2},
        {"3,1416", 3.1416},
        {"123456789012345", 123456789012345.0},
        {"12345678901234,6", 12345678901234.56},
        {"0,00001", 0.00001},
        {"0,0001", 0.0001},
        {"1E+15", 1e15},
        {"1,5E+15", 1.5e15},
        {"-2,5E+20", -2.5e20},
        {"1E+15", 999999999999999.9},
        {"9,9999E-6", 0.0000099999},
        {"1E-6", 0.000001},
        {"1,79769313486232E+308", std::numeric_limits<double>::max()},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << c.text;
}

TEST(NumberToText, IsReadBackByTextToNumber) {
    const double values[] = {1.5e15, 1e-7, -3.25e-9, 0.00001, 123.456, -99999999999999.9};
    for (double v : values) {
        const auto back = TextToNumber(NumberToText(v));
        ASSERT_TRUE(back.has_value()) << NumberToText(v);
        EXPECT_DOUBLE_EQ(*back, v);
    }
}

struct RoundCase {
    double x;
    int decimals;
    double expected;
};

TEST(RoundDecimals, RoundsHalfUpOnTheBinaryValue) {
    const RoundCase cases[] = {
        {2.5, 0, 3},      {0.125, 2, 0.13},     {1.005, 2, 1.00},       {3.14159, 4, 3.1416},
        {0.00004, 4, 0},  {0.00005, 4, 0.0001}, {2.4999, 0, 2},         {12, 2, 12},
        {-8, 2, -8},      {-1.25, 2, -1.25},    {-3.14159, 4, -3.1416}, {-2.5, 0, -3},
        {-0.00004, 4, 0}, {1e20, 2, 1e20},      {8.1e304, 4, 8.1e304},  {-1.7e308, 4, -1.7e308},
        {0.285, 2, 0.28}, {7.6, -1, 8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundDecimals(c.x, c.decimals), c.expected) << c.x << " " << c.decimals;
    }
    EXPECT_FALSE(std::signbit(RoundDecimals(-0.00004, 4)));
}

TEST(RoundDecimals, KeepsValuesThatAlreadyHaveTheDecimals) {
    for (int k = 0; k <= 200000; ++k) {
        const double x = k / 10000.0;
        ASSERT_EQ(RoundDecimals(x, 4), x) << k;
        ASSERT_EQ(RoundDecimals(-x, 4), -x) << k;
        ASSERT_EQ(RoundDecimals(x, 2), RoundDecimals(RoundDecimals(x, 2), 2)) << k;
    }
}

TEST(CompleteAmountText, AppliesTheRulesInOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"12", "12,00"},       {"12,5", "12,50"},  {"", "0,00"},    {"3,1416", "3,1416"},
        {"-8", "-8,00"},       {",", "0,00"},      {" , ", "0,00"}, {",5", "0,50"},
        {"5,", "5,00"},        {"12,50", "12,50"}, {",25", "0,25"}, {"0", "0,00"},
        {"1E+15", "1E+15,00"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(CompleteAmountText(in), out) << "[" << in << "]";
}

TEST(FitWidth, CountsCharactersNotBytes) {
    EXPECT_EQ(FitWidth("ABC", 5), "ABC  ");
    EXPECT_EQ(FitWidth("ABCDEFG", 5), "ABCDE");
    EXPECT_EQ(FitWidth("", 3), "   ");
    EXPECT_EQ(FitWidth("ABC", 0), "");
    EXPECT_EQ(FitWidth("Però", 5), "Però ");
    EXPECT_EQ(FitWidth("perché così", 6), "perché");
    EXPECT_EQ(FitWidth("€€€€", 2), "€€");
}

TEST(LeftRightPart, CountCharacters) {
    EXPECT_EQ(LeftPart("àèìòù", 2), "àè");
    EXPECT_EQ(LeftPart("abc", 10), "abc");
    EXPECT_EQ(LeftPart("abc", 0), "");
    EXPECT_EQ(RightPart("àèìòù", 2), "òù");
    EXPECT_EQ(RightPart("abc", 10), "abc");
    EXPECT_EQ(RightPart("abc", 0), "");
    EXPECT_EQ(RightPart("2024", 2), "24");
}

TEST(IsAllDigits, OnlyZeroToNine) {
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123456789"));
    EXPECT_FALSE(IsAllDigits("12 "));
    EXPECT_FALSE(IsAllDigits("-1"));
    EXPECT_FALSE(IsAllDigits("1,5"));
    EXPECT_FALSE(IsAllDigits("١٢"));  // digits of other scripts are not 0-9
}

TEST(TextToDate, AcceptsExistingDaysMonthsAndFourDigitYears) {
    const std::pair<const char*, year_month_day> cases[] = {
        {"01/01/2024", year{2024} / 1 / 1},  {"1/1/2024", year{2024} / 1 / 1},
        {"29/02/2024", year{2024} / 2 / 29}, {"31/12/1999", year{1999} / 12 / 31},
        {"29/02/2000", year{2000} / 2 / 29}, {"5/11/0001", year{1} / 11 / 5},
    };
    for (const auto& [text, date] : cases) {
        const auto read = TextToDate(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(*read, date) << text;
        EXPECT_TRUE(IsValidDate(text));
    }
}

TEST(TextToDate, RefusesEverythingElse) {
    const char* cases[] = {"",
                           "29/02/2023",
                           "29/02/1900",
                           "31/04/2024",
                           "32/01/2024",
                           "00/01/2024",
                           "01/00/2024",
                           "01/13/2024",
                           "01/01/24",
                           "01/01",
                           "01/01/0000",
                           "01/01/20245",
                           "001/01/2024",
                           "01-01-2024",
                           "01.01.2024",
                           " 01/01/2024",
                           "01/01/2024 ",
                           "1//2024",
                           "/1/2024",
                           "+1/1/2024",
                           "01/01/2024/",
                           "aa/bb/cccc"};
    for (const char* text : cases) {
        EXPECT_FALSE(TextToDate(text).has_value()) << "[" << text << "]";
        EXPECT_FALSE(IsValidDate(text));
    }
}

TEST(FullDateText, WritesDatesInFullAndLeavesOtherTextsAlone) {
    const std::pair<const char*, const char*> cases[] = {
        {"5/3/2024", "05/03/2024"},
        {"05/3/2024", "05/03/2024"},
        {"5/03/2024", "05/03/2024"},
        {"05/03/2024", "05/03/2024"},
        {" 5/3/2024 ", "05/03/2024"},
        {"31/12/0999", "31/12/0999"},
        {"5/11/0001", "05/11/0001"},
        {"", ""},
        {"  ", "  "},
        {"31/4/2024", "31/4/2024"},
        {"5/3/24", "5/3/24"},
        {"5-3-2024", "5-3-2024"},
        {"oggi", "oggi"},
    };
    for (const auto& [text, full] : cases)
        EXPECT_EQ(FullDateText(text), full) << "[" << text << "]";
}

}  // namespace
}  // namespace corvelo

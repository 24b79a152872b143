#include "core/receipts/archive_year.h"

#include <gtest/gtest.h>

#include <string_view>

namespace corvelo {
namespace {

TEST(ArchiveYearTest, OnlyFourDigitsNameAnArchive) {
    struct Case {
        std::string_view year;
        bool four_digits;
    };
    // Among them four bytes that are not four digits (blanks, signs, a
    // letter, "2à4") and digits that are not 0-9.
    const Case cases[] = {
        {"2024", true},   {"0000", true},   {"9999", true},   {"", false},         {"202", false},
        {"20245", false}, {" 2024", false}, {"2024 ", false}, {"20 4", false},     {"-202", false},
        {"+202", false},  {"20a4", false},  {"2à4", false},   {"２０２４", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsFourDigitYear(c.year), c.four_digits) << '"' << c.year << '"';
    }
}

}  // namespace
}  // namespace corvelo

#include "core/checks/partita_iva.h"

#include <gtest/gtest.h>

#include <string>

#include "support/check_cases.h"

namespace corvelo {
namespace {

std::string Valid(std::string_view office) {
    return std::string(kMsgIvaValidaPrefisso) + std::string(office) + ".";
}

using Case = testing::CheckCase;

class PartitaIvaCase : public testing::CheckCaseTest {};

TEST_P(PartitaIvaCase, Reports) {
    const Case& c = GetParam();
    testing::ExpectReport(CheckPartitaIva(c.box), c.verdict,
                          {Valid(c.detail), kMsgIvaErrata, kMsgIvaLunghezza});
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PartitaIvaCase,
    ::testing::Values(Case{"roma_1", "12345670587", CheckVerdict::Valid, "Roma 1"},
                      Case{"code_120", "00000001206", CheckVerdict::Valid, "Bologna 2"},
                      Case{"code_101", "12345671015", CheckVerdict::Valid, "Bologna 2"},
                      Case{"accented_name", "12345670405", CheckVerdict::Valid, "Forlì"},
                      Case{"code_000_no_name", "12345670009", CheckVerdict::Valid, ""},
                      Case{"code_999_no_name", "01234569992", CheckVerdict::Valid, ""},
                      Case{"last_digit_changed", "12345670588", CheckVerdict::Wrong, ""},
                      Case{"pasted_letter", "1234567058A", CheckVerdict::Wrong, ""},
                      // Not trimmed: a blank counts as a character.
                      Case{"leading_blank", " 1234567058", CheckVerdict::Wrong, ""},
                      Case{"ten_digits", "1234567058", CheckVerdict::Retry, ""},
                      Case{"twelve_digits", "123456705870", CheckVerdict::Retry, ""},
                      Case{"empty", "", CheckVerdict::Retry, ""}),
    testing::ByName());

TEST(PartitaIva, AnySingleDigitChangeIsCaught) {
    const std::string valid = "12345670587";
    for (std::size_t i = 0; i < valid.size(); ++i) {
        for (char d = '0'; d <= '9'; ++d) {
            if (d == valid[i]) continue;
            std::string changed = valid;
            changed[i] = d;
            EXPECT_FALSE(IsPartitaIvaCorrect(changed)) << changed;
        }
    }
}

TEST(PartitaIva, OfficeTable) {
    EXPECT_EQ(PartitaIvaOffice("001"), "Torino");
    EXPECT_EQ(PartitaIvaOffice("096"), "Monza (Milano 2)");
    EXPECT_EQ(PartitaIvaOffice("099"), "Chiavari (Genova 2)");
    EXPECT_EQ(PartitaIvaOffice("102"), "Napoli 2");
    EXPECT_EQ(PartitaIvaOffice("121"), "Napoli 2");
    int named = 0;
    for (int code = 0; code < 1000; ++code) {
        char text[4];
        std::snprintf(text, sizeof text, "%03d", code);
        if (!PartitaIvaOffice(text).empty()) ++named;
        if ((code >= 103 && code <= 119) || code >= 122 || code == 0) {
            EXPECT_EQ(PartitaIvaOffice(text), "") << text;
        }
    }
    EXPECT_EQ(named, 104);
}

}  // namespace
}  // namespace corvelo

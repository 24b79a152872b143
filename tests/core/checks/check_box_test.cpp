#include "core/checks/check_box.h"

#include <gtest/gtest.h>

#include <string>

namespace corvelo {
namespace {

TEST(OpenTaxCodeCheck, PicksTheScreenByTheTrimmedText) {
    struct Case {
        std::string box;
        CheckKind screen;
        std::string text;
    };
    const Case cases[] = {
        {"", CheckKind::CodiceFiscale, ""},
        {"   ", CheckKind::CodiceFiscale, ""},
        {" 12345670587 ", CheckKind::PartitaIva, "12345670587"},
        {"123", CheckKind::PartitaIva, "123"},
        {" rssmra85t10a562s", CheckKind::CodiceFiscale, "rssmra85t10a562s"},
        {"1234567058 7", CheckKind::CodiceFiscale, "1234567058 7"},
        {"12345670587-", CheckKind::CodiceFiscale, "12345670587-"},
    };
    for (const Case& c : cases) {
        const TaxCodeOpening opening = OpenTaxCodeCheck(c.box);
        EXPECT_EQ(opening.screen, c.screen) << c.box;
        EXPECT_EQ(opening.text, c.text) << c.box;
    }
}

TEST(PasteIntoBox, CutsThenTrimsAndUpperCases) {
    struct Case {
        CheckKind kind;
        std::string pasted;
        std::string box;
    };
    const Case cases[] = {
        {CheckKind::CodiceFiscale, " rssmra85t10a562s ", "RSSMRA85T10A562"},
        {CheckKind::CodiceFiscale, "rssmra85t10a562sxyz", "RSSMRA85T10A562S"},
        {CheckKind::CodiceFiscale,
         "à"
         "bc",
         "à"
         "BC"},
        // The partita IVA box neither trims nor upper-cases.
        {CheckKind::PartitaIva, " 12345670587", " 1234567058"},
        {CheckKind::PartitaIva, "1234567058a", "1234567058a"},
        {CheckKind::Iban, "it60 x054 2811 1010 0000 0123 456", "IT60 X054 2811 1010 0000 01"},
        {CheckKind::Carta, " 4111 1111 1111 1111 ", "4111 1111 1111 1111"},
        {CheckKind::Carta, std::string(35, '4'), std::string(30, '4')},
        {CheckKind::Carta, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PasteIntoBox(c.kind, c.pasted), c.box) << c.pasted;
    }
}

TEST(RunCheck, ReachesEachCheck) {
    EXPECT_EQ(RunCheck(CheckKind::CodiceFiscale, "rssmra85t10a562s").verdict, CheckVerdict::Valid);
    EXPECT_EQ(RunCheck(CheckKind::PartitaIva, "12345670588").verdict, CheckVerdict::Wrong);
    EXPECT_EQ(RunCheck(CheckKind::Iban, "IT60").verdict, CheckVerdict::Retry);
    EXPECT_EQ(RunCheck(CheckKind::Carta, "4111111111111111").verdict, CheckVerdict::Valid);
}

}  // namespace
}  // namespace corvelo

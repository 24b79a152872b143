#include "core/receipts/receipt_numbering.h"

#include <gtest/gtest.h>

#include "core/receipts/receipt_texts.h"
#include "core/storage/messages.h"
#include "support/case_names.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

using namespace std::chrono;
using testing::TempFolder;

constexpr year_month_day kToday{year{2026}, month{1}, day{5}};

struct ProposalCase {
    const char* name;
    std::size_t records;
    std::string inizio, solare;
    std::string numero;
};

class ProposalTest : public ::testing::TestWithParam<ProposalCase> {};

TEST_P(ProposalTest, CountsTheArchiveAndUsesTheClockYear) {
    const ProposalCase& c = GetParam();
    TempFolder dir;
    const auto path = dir / "2025.ric";  // last year's archive: the clock's year counts
    if (c.records) testing::WriteBytes(path, testing::Records(c.records, 3077));
    const NewReceiptProposal p = ProposeNewReceipt(path, c.inizio, c.solare, kToday);
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.numero, c.numero);
    EXPECT_EQ(p.data, "05/01/2026");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProposalTest,
    ::testing::Values(ProposalCase{"EmptyArchive", 0, "", "", "1"},
                      ProposalCase{"StartAndCount", 3, "100", "No", "103"},
                      ProposalCase{"WithYear", 3, "100", "Sì", "103/2026"},
                      ProposalCase{"BlanksTrimmed", 1, " 7 ", " Sì ", "8/2026"}),
    testing::ByName());

TEST(ProposalFailure, StartThatIsNotAWholeNumberGivesTheAccessError) {
    TempFolder dir;
    for (const char* inizio : {"abc", "1,5"}) {
        const NewReceiptProposal p = ProposeNewReceipt(dir / "2024.ric", inizio, "", kToday);
        EXPECT_EQ(p.notice, (Notice{NoticeKind::kError, std::string(kMsgAccessoArchivio)}));
        EXPECT_EQ(p.numero, "");
        EXPECT_EQ(p.data, "");
    }
}

TEST(NumberingScreenTest, ShowLeaveAndApply) {
    NumberingScreen s = NumberingOnShow("ricevute", "12", "Sì", {});
    EXPECT_EQ(s.inizio, "12");
    EXPECT_TRUE(s.tipo);
    s = NumberingOnShow("altro", "12", "Sì", {"", false});
    EXPECT_EQ(s.inizio, "1");
    EXPECT_FALSE(s.tipo);

    EXPECT_EQ(NormaliseNumberingStart("007"), "7");
    EXPECT_EQ(NormaliseNumberingStart(""), "1");
    EXPECT_EQ(NormaliseNumberingStart("1,2,3"), "1");

    EXPECT_EQ(NumberingToApply("ricevute", {" 1 ", false}), (NumberingSettings{"1", "No"}));
    EXPECT_EQ(NumberingToApply("ricevute", {"5", true}), (NumberingSettings{"5", "Sì"}));
    EXPECT_EQ(NumberingToApply("clienti", {"5", true}), std::nullopt);
}

}  // namespace
}  // namespace corvelo

namespace corvelo {
namespace {

TEST(ReceiptSettings, NumberingAndIssuerDataRoundTripThroughTheSettingsFile) {
    testing::TempFolder dir;
    const auto ini = dir / "Vendarolo.ini";
    EXPECT_EQ(ReadNumberingSettings(ini), (NumberingSettings{"", ""}));
    ASSERT_EQ(WriteNumberingSettings(ini, {"100", "Sì"}), std::nullopt);
    EXPECT_EQ(ReadNumberingSettings(ini), (NumberingSettings{"100", "Sì"}));

    ReceiptTexts shown;
    shown[TRicevuta::Ditta] = " Bar Sport ";
    shown[TRicevuta::Libero02] = "Tel. 1";
    shown[TRicevuta::Tassa] = "2,00";
    shown[TRicevuta::Cliente] = "not a setting";
    ASSERT_EQ(WriteIssuerSettings(ini, shown), std::nullopt);
    ReceiptTexts opened;
    ReadIssuerSettings(ini, opened);
    EXPECT_EQ(opened[TRicevuta::Ditta], "Bar Sport");
    EXPECT_EQ(opened[TRicevuta::Libero02], "Tel. 1");
    EXPECT_EQ(opened[TRicevuta::Tassa], "2,00");
    EXPECT_EQ(opened[TRicevuta::Cliente], "");
    EXPECT_EQ(ReadNumberingSettings(ini).inizio, "100");  // the other section is kept
}

}  // namespace
}  // namespace corvelo

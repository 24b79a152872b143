#include "core/customers/customer_lists.h"

#include <gtest/gtest.h>

#include "core/storage/fault_file_system.h"
#include "core/storage/temp_folder.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

using namespace testing;
using namespace std::chrono;
using C = TCliente;

struct Fields {
    std::string cognome, nome;
    std::string scadenza = "01/01/2024";
    std::string preavviso = "0";
    std::string recapito = "";
    std::string acquisto = "";
};

TCliente Customer(const Fields& f) {
    TCliente c;
    c[C::Cognome] = f.cognome;
    c[C::Nome] = f.nome;
    c[C::Decorrenza] = "01/01/2023";
    c[C::Scadenza] = f.scadenza;
    c[C::Preavviso] = f.preavviso;
    c[C::Recapito] = f.recapito;
    c[C::Rata] = "50,00";
    c[C::Acquisto] = f.acquisto;
    return c;
}

void WriteCustomers(const std::filesystem::path& path, const std::vector<TCliente>& cards) {
    std::string bytes;
    for (const TCliente& c : cards) bytes += EncodeRecord(c);
    WriteBytes(path, bytes);
}

year_month_day Day(int d, int m, int y) {
    return year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
}

struct DueCase {
    const char* name;
    std::string scadenza, preavviso;
    year_month_day today;
    std::optional<bool> due;
};

class DueRuleTest : public ::testing::TestWithParam<DueCase> {};

TEST_P(DueRuleTest, ListedFromNoticeDaysBeforeTheDueDateOn) {
    const DueCase& c = GetParam();
    EXPECT_EQ(IsInstalmentDue(c.scadenza, c.preavviso, c.today), c.due);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DueRuleTest,
    ::testing::Values(
        DueCase{"FirstDayOfNotice", "20/06/2024", "5", Day(15, 6, 2024), true},
        DueCase{"DayBeforeTheNotice", "20/06/2024", "5", Day(14, 6, 2024), false},
        DueCase{"DueDayWithoutNotice", "20/06/2024", "0", Day(20, 6, 2024), true},
        DueCase{"PastDueWithoutNotice", "20/06/2023", "0", Day(20, 6, 2024), true},
        DueCase{"NewCardDefaultsOnTheDaySaved", "05/03/2024", "0", Day(5, 3, 2024), true},
        DueCase{"NoticeAcrossTheYear", "03/01/2025", "5", Day(29, 12, 2024), true},
        DueCase{"NoticeAcrossTheYearDayBefore", "03/01/2025", "5", Day(28, 12, 2024), false},
        DueCase{"LeapDayCounts", "01/03/2024", "1", Day(29, 2, 2024), true},
        DueCase{"LeapDayCountsDayBefore", "01/03/2024", "1", Day(28, 2, 2024), false},
        DueCase{"NoLeapDayIn2023", "01/03/2023", "1", Day(28, 2, 2023), true},
        DueCase{"DueOnTheLeapDay", "29/02/2024", "0", Day(29, 2, 2024), true},
        DueCase{"ShortFormAndBlanks", " 1/7/2024 ", " 30 ", Day(31, 5, 2024), false},
        DueCase{"ShortFormAndBlanksListed", " 1/7/2024 ", " 30 ", Day(1, 6, 2024), true},
        DueCase{"LongestNotice", "31/12/2026", "999", Day(6, 4, 2024), true},
        DueCase{"DueNotADate", "31/02/2024", "0", Day(1, 1, 2030), std::nullopt},
        DueCase{"DueEmpty", "", "0", Day(1, 1, 2030), std::nullopt},
        DueCase{"NoticeEmpty", "01/01/2024", "", Day(1, 1, 2030), std::nullopt},
        DueCase{"NoticeNotDigits", "01/01/2024", "-1", Day(1, 1, 2030), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DueListTest, LineColumnsAreFittedAndTheLastFieldIsWhole) {
    const TCliente c = Customer({"De Bortoli Giovanni Battista", "Maria", "20/06/2024", "5",
                                 "333 1234567 ore pasti", "Divano letto in pelle"});
    const std::string line =
        "De Bortoli Giovanni Battista M  Tel. 333 1234567   Scad. 20/06/2024  Rata: € 50,00     "
        "       Acquisto: Divano letto in pelle";
    EXPECT_EQ(DueListLine(c), line);
    std::string raw;
    AppendDueListLine(EncodeRecord(c).data(), raw);
    EXPECT_EQ(raw, line);
}

TEST(DueListTest, UnreadableCardsAreSkippedAndNamedAndTheRestListedInNameOrder) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    WriteCustomers(path, {Customer({"rossi", "Anna", "01/06/2024"}),
                          Customer({"Verdi", "Luca", "31/02/2024"}),  // no such date
                          Customer({"Bianchi", "Carlo", "01/07/2024", "30"}),
                          Customer({"Neri", "Ugo", "01/07/2024", "29"}),  // not yet
                          Customer({"Gialli", "Eva", "01/06/2024", "x"}),
                          Customer({"Rossi", "Aldo", "01/01/2024"}),
                          Customer({"Àlvaro", "Pio", "01/01/2024"})});
    const DueList list = BuildDueList(path, Day(1, 6, 2024));
    ASSERT_TRUE(list.status.ok());
    std::vector<std::string> names;
    for (std::size_t i = 0; i < list.lines.size(); ++i)
        names.push_back(Trim(list.lines[i].substr(0, 12)));
    EXPECT_EQ(names,
              (std::vector<std::string>{"Bianchi Carl", "Rossi Aldo", "rossi Anna", "Àlvaro Pio"}));
    ASSERT_EQ(list.skipped.size(), 2u);
    EXPECT_EQ(SkippedCardName(list.skipped[0]), "Verdi Luca (scheda n. 2)");
    EXPECT_EQ(SkippedCardName(list.skipped[1]), "Gialli Eva (scheda n. 5)");
    const Notice notice = SkippedCardsNotice(list.skipped);
    EXPECT_EQ(notice.kind, NoticeKind::kWarning);
    EXPECT_NE(notice.text.find("\r\nVerdi Luca (scheda n. 2)\r\nGialli Eva (scheda n. 5)\r\n"),
              std::string::npos);
    EXPECT_TRUE(SkippedCardsNotice({}).empty());
}

TEST(DueListTest, ReadFailureGivesNoListAtAll) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    std::vector<TCliente> cards(200, Customer({"Rossi", "Anna"}));  // more than one read
    WriteCustomers(path, cards);
    FaultFileSystem fs;
    fs.FailOnce(IoOp::kRead, 1);
    const DueList list = BuildDueList(path, Day(1, 6, 2024), fs);
    EXPECT_FALSE(list.status.ok());
    EXPECT_TRUE(list.lines.empty());
    EXPECT_TRUE(BuildDueList(dir / "nuovo.pro", Day(1, 6, 2024)).lines.empty());
    EXPECT_TRUE(std::filesystem::exists(dir / "nuovo.pro"));
}

TCliente Searchable(std::string cognome, std::string zona, std::string note = "") {
    TCliente c = Customer({std::move(cognome), "N"});
    c[C::Zona] = std::move(zona);
    c[C::Note] = std::move(note);
    return c;
}

struct SearchCase {
    const char* name;
    std::string cognome, zona, note;
    std::vector<std::string> listed;  // surnames, in list order
};

class CustomerSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(CustomerSearchTest, ListsCardsWithEnoughCriteriaFound) {
    const SearchCase& c = GetParam();
    TempFolder dir;
    WriteCustomers(dir / "Clienti.pro",
                   {Searchable("Rossi", "Centro"), Searchable("Carosio", "Nord", "a b"),
                    Searchable("ROSSETTI", "Centro storico"), Searchable("Bianchi", "centro"),
                    Searchable("Ross", "Sud")});
    CustomerSearchTexts boxes;
    boxes[0] = c.cognome;
    boxes[6] = c.zona;
    boxes[9] = c.note;
    const CustomerListResult result = SearchCustomers(dir / "Clienti.pro", boxes);
    ASSERT_TRUE(result.status.ok());
    std::vector<std::string> listed;
    for (std::size_t i = 0; i < result.lines.size(); ++i) {
        const std::string_view line = result.lines[i];
        listed.emplace_back(line.substr(0, line.find(" N ")));
    }
    EXPECT_EQ(listed, c.listed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CustomerSearchTest,
    ::testing::Values(
        SearchCase{
            "ThreeLettersAnywhereAnyCase", "ros", "", "", {"Carosio", "Ross", "ROSSETTI", "Rossi"}},
        SearchCase{"TwoCriteriaBothNeeded", "ross", "CENTRO", "", {"ROSSETTI", "Rossi"}},
        SearchCase{"NothingFilledListsAll",
                   "",
                   "",
                   "",
                   {"Bianchi", "Carosio", "Ross", "ROSSETTI", "Rossi"}},
        SearchCase{"TrailingBlankIsSearchedFor", "", "centro ", "", {"ROSSETTI"}},
        // A box of blanks only is no criterion, yet where the blank occurs it
        // is a hit that makes up for a criterion not found.
        SearchCase{"BlanksOnlyBoxScoresWithoutCounting", "xyz", "", " ", {"Carosio"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CustomerSearchTest, LineCutsTheNameTo28AndTheFailureIsReported) {
    TCliente c = Searchable("Abbondanza Bartolomei Cristoforetti", "Zona industriale nord-est",
                            "chiamare dopo le 18");
    c[C::CodFisc] = "RSSMRA80A01F205X";
    c[C::Recapito] = "0512345678 ufficio";
    const std::string line =
        "Abbondanza Bartolomei Cristo  C.F. RSSMRA80A01F205X  Zona: Zona industriale nord-es  "
        "Tel. 0512345678 uff  Note: chiamare dopo le 18";
    EXPECT_EQ(CustomerSearchLine(c), line);
    std::string raw;
    AppendCustomerSearchLine(EncodeRecord(c).data(), raw);
    EXPECT_EQ(raw, line);
    EXPECT_EQ(CustomerSearchCountLine(3), "Il presente riepilogo contiene 3 schede.");

    TempFolder dir;
    WriteCustomers(dir / "Clienti.pro", {c});
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kOpen);
    EXPECT_FALSE(SearchCustomers(dir / "Clienti.pro", {}, fs).status.ok());
}

TEST(CustomerRecallTest, LastCardGivingTheLineIsReadWholeOrNotAtAll) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    TCliente twin = Customer({"Rossi", "Anna", "01/06/2024", "0", "333", "Divano"});
    TCliente later = twin;
    later[C::Note] = "seconda";  // in the search line, not in the due line
    later[C::Desc03] = "ultimo campo";
    WriteCustomers(path, {Customer({"Bianchi", "Carlo"}), twin, later, Customer({"Verdi", "Eva"})});

    const LocatedRecord<TCliente> due = LocateDueCustomer(path, DueListLine(twin) + "  ");
    ASSERT_TRUE(due.found());
    EXPECT_EQ(due.card, 3u);
    EXPECT_EQ(due.record, later);

    const LocatedRecord<TCliente> searched = LocateSearchedCustomer(path, CustomerSearchLine(twin));
    ASSERT_TRUE(searched.found());
    EXPECT_EQ(searched.card, 2u);

    EXPECT_FALSE(LocateSearchedCustomer(path, "Nessuno").found());
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kClose);
    const LocatedRecord<TCliente> failed = LocateDueCustomer(path, DueListLine(twin), fs);
    EXPECT_FALSE(failed.found());
    EXPECT_FALSE(failed.status.ok());
    EXPECT_EQ(failed.card, 0u);
}

TEST(CustomerRecallTest, AReceiptGetsExactlyNineBoxes) {
    TCliente c;
    for (std::size_t f = 0; f < C::kFieldCount; ++f) c[f] = std::string(C::kFields[f].name);
    std::vector<std::pair<std::string, std::string>> boxes;
    for (const ReceiptBoxText& b : ReceiptBoxesFromCustomer(c))
        boxes.emplace_back(b.control, b.text);
    EXPECT_EQ(boxes,
              (std::vector<std::pair<std::string, std::string>>{{"txtCliente", "Cognome Nome"},
                                                                {"txtViaCliente", "Indirizzo"},
                                                                {"txtCapCliente", "Cap"},
                                                                {"txtCittaCliente", "ComuneRes"},
                                                                {"txtProvCliente", "ProvRes"},
                                                                {"txtCodFiscCliente", "CodFisc"},
                                                                {"txtIvaCliente", "Iva"},
                                                                {"txtBanca", "Banca"},
                                                                {"txtPagamento", "Pagamento"}}));
}

}  // namespace
}  // namespace corvelo

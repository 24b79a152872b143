#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "core/documents/receipt_list_line.h"
#include "core/documents/receipt_search.h"
#include "core/storage/text.h"
#include "support/case_names.h"
#include "support/fault_file_system.h"
#include "support/receipt_archive.h"

namespace corvelo {
namespace {

using namespace testing;
using R = TRicevuta;

TEST(ReceiptListLineTest, FieldsTrimmedAndFittedTotalOfTheLinesLast) {
    TRicevuta r;
    r[R::NumRic] = "12/2024";
    r[R::Data] = "05/03/2024";
    r[R::Cliente] = "Nicolò Forlì De Bortoli Giovanni Battista";  // 41 characters
    r[R::CodFiscCliente] = "RSSMRA80A01F205X";
    r[R::Acconti] = "20,00";
    r[R::Tassa] = "2,00";
    r[R::TotCorrispettivi] = "100,00";
    r[R::Totale] = "82,00";
    const std::string expected =
        "Ric. n. 12/2024       Data: 05/03/2024  Nicolò Forlì De Bortoli Giovan"
        "  C.F. RSSMRA80A01F205X  Acconti: € 20,00     Bollo: 2,00      Totale: "
        "€ 100,00";
    EXPECT_EQ(ReceiptListLine(r), expected);
    std::string raw;
    AppendReceiptListLine(EncodeRecord(r).data(), raw);
    EXPECT_EQ(raw, expected);
}

std::vector<TRicevuta> SearchArchive() {
    auto with = [](std::string n, std::string cliente, std::string citta) {
        TRicevuta r = MakeReceipt({n, "01/01/2024", cliente});
        r[R::CittaCliente] = citta;
        return r;
    };
    return {with("2", "Mario Rossi", "Milano"), with("10", "Rossini Srl", "Roma"),
            with("1", "ROSSÌ Luca", "Milano"), with("3", "Rossi Anna", "Torino"),
            with("4", "Bianchi", "Milano")};
}

struct SearchCase {
    const char* name;
    std::string cliente, citta;
    std::vector<std::string> numbers;  // listed, in list order
};

class SearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, ListsReceiptsMatchingEveryFilledBox) {
    const SearchCase& c = GetParam();
    TempFolder dir;
    WriteArchive(dir / "2024.ric", SearchArchive());
    ReceiptSearchTexts boxes;
    boxes[2] = c.cliente;
    boxes[3] = c.citta;
    const ReceiptListResult result = SearchReceipts(dir / "2024.ric", boxes);
    ASSERT_TRUE(result.status.ok());
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < result.lines.size(); ++i) {
        numbers.push_back(Trim(result.lines[i].substr(8, 12)));
    }
    EXPECT_EQ(numbers, c.numbers);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchTest,
    ::testing::Values(SearchCase{"LowerCaseFindsAnyCaseOfAtoZ", "rossi", "", {"10", "2", "3"}},
                      SearchCase{"AccentedCapitalMustMatchExactly", "rossì", "", {}},
                      SearchCase{"AccentedCapitalAsTyped", "ROSSÌ", "", {"1"}},
                      SearchCase{"TrailingBlankIsPartOfTheText", "rossi ", "", {"3"}},
                      SearchCase{"TwoBoxesMustBothMatch", "rossi", "MILANO", {"2"}},
                      SearchCase{
                          "NothingFilledListsAllSortedAsText", "", "", {"1", "10", "2", "3", "4"}}),
    testing::ByName());

TEST(SearchTest, ReadFailureIsReported) {
    TempFolder dir;
    WriteArchive(dir / "2024.ric", SearchArchive());
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kRead);
    EXPECT_FALSE(SearchReceipts(dir / "2024.ric", {}, fs).status.ok());
    EXPECT_EQ(SearchCountLine(5), "Il presente riepilogo contiene 5 schede.");
}

TEST(SearchTest, SortIgnoresTheCaseOfAtoZOnly) {
    LineList list;
    for (const char* s : {"b", "A", "a", "À", "B"}) list.Add(s);
    list.SortCaseless();
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"A", "a", "b", "B", "À"}));
}

// Random lists against a plain stable sort of the whole texts: lines with
// and without a shared start, both cases, zero bytes, lines that end inside
// the eight bytes the sort looks at first and lines that differ only after
// them.
TEST(SearchTest, SortOrdersAsWholeTextsCompare) {
    std::mt19937 rng(7);
    constexpr char kLetters[] = {'a', 'A', 'b', 'B', '\0', ' '};
    for (int round = 0; round < 300; ++round) {
        const std::string start = round % 3 == 0 ? "" : round % 3 == 1 ? "Ric. n. " : "aaaaaaaaa";
        std::vector<std::string> lines(1 + rng() % 30, start);
        LineList list;
        for (std::string& line : lines) {
            for (std::size_t k = rng() % 14; k > 0; --k) line += kLetters[rng() % 6];
            list.Add(line);
        }
        std::stable_sort(
            lines.begin(), lines.end(),
            [](const std::string& x, const std::string& y) { return CompareCaseless(x, y) < 0; });
        list.SortCaseless();
        ASSERT_EQ(list.ToVector(), lines) << "round " << round;
    }
}

TEST(UnpaidTest, OnlyFlagNoInFileOrder) {
    TempFolder dir;
    WriteArchive(dir / "2024.ric",
                 {MakeReceipt({"5", "", "A", "0,00", "0,00", "0,00", "0,00", "No"}),
                  MakeReceipt({"1", "", "B"}),
                  MakeReceipt({"3", "", "C", "1,00", "1,00", "0,00", "0,00", ""}),
                  MakeReceipt({"2", "", "D", "1,00", "1,00", "0,00", "0,00", "No"}),
                  MakeReceipt({"4", "", "E", "1,00", "1,00", "0,00", "0,00", "no"})});
    const ReceiptListResult result = UnpaidReceipts(dir / "2024.ric");
    ASSERT_TRUE(result.status.ok());
    ASSERT_EQ(result.lines.size(), 2u);
    EXPECT_EQ(result.lines[0].substr(0, 9), "Ric. n. 5");
    EXPECT_EQ(result.lines[1].substr(0, 9), "Ric. n. 2");
    EXPECT_TRUE(UnpaidReceipts(dir / "2023.ric").lines.empty());  // created empty
    EXPECT_TRUE(std::filesystem::exists(dir / "2023.ric"));
}

TEST(LocateTest, LastRecordGivingTheLineWinsWithItsCardPosition) {
    TempFolder dir;
    TRicevuta twin = MakeReceipt({"7", "01/02/2024", "Rossi"});
    TRicevuta later = twin;
    later[R::Note] = "seconda";  // not in the line
    WriteArchive(dir / "2024.ric", {MakeReceipt({"1", "", "X"}), twin, MakeReceipt({"2", "", "Y"}),
                                    later, MakeReceipt({"3", "", "Z"})});
    const LocatedReceipt found =
        LocateReceiptByLine(dir / "2024.ric", "  " + ReceiptListLine(twin));
    ASSERT_TRUE(found.found());
    EXPECT_EQ(found.card, 4u);
    EXPECT_EQ(found.record[R::Note], "seconda");

    EXPECT_FALSE(LocateReceiptByLine(dir / "2024.ric", "Ric. n. 99").found());
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kRead);
    EXPECT_FALSE(LocateReceiptByLine(dir / "2024.ric", ReceiptListLine(twin), fs).found());
}

}  // namespace
}  // namespace corvelo

namespace corvelo {
namespace {

// Records cut by the reader's blocks, and a trailing partial record, which
// is not a record.
TEST(ArchiveScanTest, EveryRecordOnceAcrossReadBlocks) {
    TempFolder dir;
    std::vector<TRicevuta> records;
    for (int n = 1; n <= 200; ++n) {
        records.push_back(
            MakeReceipt({std::to_string(n), "", "C", "0,00", "0,00", "0,00", "0,00", "No"}));
    }
    WriteArchive(dir / "2024.ric", records);
    {
        std::ofstream out(dir / "2024.ric", std::ios::binary | std::ios::app);
        out << "partial";
    }
    const ReceiptListResult result = UnpaidReceipts(dir / "2024.ric");
    ASSERT_TRUE(result.status.ok());
    ASSERT_EQ(result.lines.size(), 200u);
    for (int n = 1; n <= 200; ++n) {
        EXPECT_EQ(Trim(result.lines[n - 1].substr(8, 12)), std::to_string(n));
    }
    FaultFileSystem fs;
    fs.ShortReads(1000);
    EXPECT_FALSE(UnpaidReceipts(dir / "2024.ric", fs).status.ok());
}

}  // namespace
}  // namespace corvelo

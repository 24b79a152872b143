#include "core/warehouse/item_card.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "support/fault_file_system.h"
#include "core/storage/messages.h"
#include "support/temp_folder.h"
#include "support/item_archive.h"

namespace corvelo {
namespace {

using testing::ReadBytes;
using testing::StoredField;
using testing::TempFolder;
using A = TArticolo;

// Offsets of the number fields in a stored card.
constexpr std::size_t kOffCosto = 1639, kOffValore = 1655, kOffPrezzo = 2173, kOffPercIva = 2189,
                      kOffPrezzoConIva = 2192, kOffGiacenza = 2459, kOffSottoscorta = 2475,
                      kOffCodice = 0, kOffFile01 = 2866;

ItemTexts Card(std::initializer_list<std::pair<A::Field, std::string>> fields) {
    ItemTexts t = ClearedItem();
    for (const auto& [f, text] : fields) t[f] = text;
    return t;
}

TEST(ItemBoxesTest, EveryFieldHasOneControlAndTheEnterChainGoesRound) {
    std::set<std::size_t> fields;
    for (const ItemBox& b : kItemBoxes) {
        EXPECT_EQ(b.max_chars, A::kFields[b.field].capacity) << b.control;
        EXPECT_EQ(b.control, "txt" + std::string(A::kFields[b.field].name));
        fields.insert(b.field);
    }
    for (const ItemLabel& l : kItemHiddenLabels) fields.insert(l.field);
    EXPECT_EQ(fields.size(), A::kFieldCount);
    for (const ExtraDataBox& b : kExtraDataBoxes) {
        EXPECT_EQ(kExtraDataMaxChars, A::kFields[b.field].capacity) << b.control;
        EXPECT_EQ(b.label, ItemControlName(b.field));
    }

    std::set<std::string_view> visited;
    std::string_view at = "txtCodice";
    for (std::size_t step = 0; step < kItemBoxes.size(); ++step) {
        visited.insert(at);
        const auto it = std::find_if(kItemBoxes.begin(), kItemBoxes.end(),
                                     [&](const ItemBox& b) { return b.control == at; });
        ASSERT_NE(it, kItemBoxes.end()) << at;
        at = it->next;
    }
    EXPECT_EQ(at, "txtCodice");
    EXPECT_EQ(visited.size(), kItemBoxes.size());
}

TEST(ItemCardTest, ClearedCardShowsTheInitialTexts) {
    const ItemTexts t = ClearedItem();
    EXPECT_EQ(t[A::Codice], "");
    EXPECT_EQ(t[A::Giacenza], "0");
    EXPECT_EQ(t[A::Sottoscorta], "0");
    EXPECT_EQ(t[A::PercIva], "0");
    EXPECT_EQ(t[A::Costo], "0,00");
    EXPECT_EQ(t[A::Prezzo_con_Iva], "0,00");
    EXPECT_EQ(t[A::Consumo], "");
    EXPECT_EQ(t[A::CartellaDesc], "");
}

TEST(ItemCardTest, LeavingABox) {
    struct Case {
        ItemBoxKind kind;
        std::string typed, shown;
    };
    const Case cases[] = {
        {ItemBoxKind::kAmount, "1,23456", "1,2346"}, {ItemBoxKind::kAmount, "7", "7,00"},
        {ItemBoxKind::kAmount, "7,5", "7,50"},       {ItemBoxKind::kAmount, "", "0,00"},
        {ItemBoxKind::kAmount, "1,2,3", "0,00"},     {ItemBoxKind::kWholeNumber, "12,5", "13"},
        {ItemBoxKind::kWholeNumber, "", "0"},        {ItemBoxKind::kWholeNumber, "x1", "0"},
        {ItemBoxKind::kWholeNumber, "05", "5"},      {ItemBoxKind::kWholeNumber, "-2,5", "-3"},
        {ItemBoxKind::kText, " a b ", " a b "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LeaveItemBox(c.kind, c.typed), c.shown) << c.typed;
    }
}

using Step = std::function<ItemStep(const ItemTexts&)>;

TEST(ItemCardTest, PriceVatAndValueArithmetic) {
    struct Case {
        const char* name;
        Step step;
        ItemTexts card;
        A::Field result;
        std::string expected;
    };
    const Case cases[] = {
        {"Calcola 100 at 22", CalculatePriceWithVat, Card({{A::Prezzo, "100"}, {A::PercIva, "22"}}),
         A::Prezzo_con_Iva, "122,00"},
        {"Calcola 10 at 4", CalculatePriceWithVat, Card({{A::Prezzo, "10"}, {A::PercIva, "4"}}),
         A::Prezzo_con_Iva, "10,40"},
        {"Calcola defaults empty boxes", CalculatePriceWithVat,
         Card({{A::Prezzo, ""}, {A::PercIva, ""}, {A::Prezzo_con_Iva, ""}}), A::Prezzo_con_Iva,
         "0,00"},
        {"Scorpora 122 at 22", SplitVat, Card({{A::Prezzo_con_Iva, "122"}, {A::PercIva, "22"}}),
         A::Prezzo, "100,00"},
        {"Scorpora 10 at 22", SplitVat, Card({{A::Prezzo_con_Iva, "10"}, {A::PercIva, "22"}}),
         A::Prezzo, "8,20"},
        {"Scorpora rewrites the rate", SplitVat,
         Card({{A::Prezzo_con_Iva, "10"}, {A::PercIva, "05"}}), A::PercIva, "5"},
        {"Valore 2,5 x 3", CalculateStockValue, Card({{A::Costo, "2,5"}, {A::Giacenza, "3"}}),
         A::Valore, "7,50"},
    };
    for (const Case& c : cases) {
        const ItemStep s = c.step(c.card);
        EXPECT_EQ(s.result, ItemStep::Result::kDone) << c.name;
        EXPECT_TRUE(s.notice.empty()) << c.name;
        EXPECT_EQ(s.texts[c.result], c.expected) << c.name;
    }
}

TEST(ItemCardTest, ABoxThatIsNotANumberResetsOnlyItselfAndTheResult) {
    const Notice calcola{NoticeKind::kWarning, std::string(kMsgCalcolaNonValidi)};
    const Notice scorpora{NoticeKind::kWarning, std::string(kMsgScorporaNonValidi)};
    struct Case {
        const char* name;
        Step step;
        ItemTexts card;
        ItemStep::Result result;
        Notice notice;
        // Prezzo, PercIva, Prezzo_con_Iva, Costo, Giacenza, Valore afterwards
        std::array<std::string, 6> after;
    };
    const Case cases[] = {
        {"Calcola, bad price",
         CalculatePriceWithVat,
         Card({{A::Prezzo, "abc"}, {A::PercIva, "22"}, {A::Prezzo_con_Iva, "5,00"}}),
         ItemStep::Result::kReset,
         calcola,
         {"0,00", "22", "0,00", "0,00", "0", "0,00"}},
        {"Calcola, bad rate",
         CalculatePriceWithVat,
         Card({{A::Prezzo, "100,00"}, {A::PercIva, "x"}}),
         ItemStep::Result::kReset,
         calcola,
         {"100,00", "0", "0,00", "0,00", "0", "0,00"}},
        {"Calcola never reads the price with VAT",
         CalculatePriceWithVat,
         Card({{A::Prezzo, "100"}, {A::PercIva, "22"}, {A::Prezzo_con_Iva, "?"}}),
         ItemStep::Result::kDone,
         {},
         {"100", "22", "122,00", "0,00", "0", "0,00"}},
        {"Scorpora, bad rate",
         SplitVat,
         Card({{A::Prezzo, "9,00"}, {A::PercIva, "2a"}, {A::Prezzo_con_Iva, "122,00"}}),
         ItemStep::Result::kReset,
         scorpora,
         {"0,00", "0", "122,00", "0,00", "0", "0,00"}},
        {"Scorpora never reads the price",
         SplitVat,
         Card({{A::Prezzo, "?"}, {A::PercIva, "22"}, {A::Prezzo_con_Iva, "122"}}),
         ItemStep::Result::kDone,
         {},
         {"100,00", "22", "122", "0,00", "0", "0,00"}},
        {"Valore, bad cost keeps the stock",
         CalculateStockValue,
         Card({{A::Costo, "1,2,3"}, {A::Giacenza, "7"}, {A::Valore, "9,00"}}),
         ItemStep::Result::kReset,
         {},
         {"0,00", "0", "0,00", "0,00", "7", "0,00"}},
        {"Valore, bad stock keeps the cost",
         CalculateStockValue,
         Card({{A::Costo, "2,50"}, {A::Giacenza, "a"}}),
         ItemStep::Result::kReset,
         {},
         {"0,00", "0", "0,00", "2,50", "0", "0,00"}},
    };
    for (const Case& c : cases) {
        const ItemStep s = c.step(c.card);
        EXPECT_EQ(s.result, c.result) << c.name;
        EXPECT_EQ(s.notice, c.notice) << c.name;
        const std::array<std::string, 6> after = {s.texts[A::Prezzo],         s.texts[A::PercIva],
                                                  s.texts[A::Prezzo_con_Iva], s.texts[A::Costo],
                                                  s.texts[A::Giacenza],       s.texts[A::Valore]};
        EXPECT_EQ(after, c.after) << c.name;
        if (!c.notice.empty()) {
            EXPECT_EQ(s.focus, "txtPrezzo_con_Iva") << c.name;
        }
    }
}

TEST(ItemCardTest, AResultLongerThanItsFieldIsRefusedNotCut) {
    const ItemTexts card =
        Card({{A::Prezzo, "999999999999"}, {A::PercIva, "22"}, {A::Prezzo_con_Iva, "1,00"}});
    const ItemStep s = CalculatePriceWithVat(card);
    EXPECT_EQ(s.result, ItemStep::Result::kRefused);
    EXPECT_EQ(s.notice.kind, NoticeKind::kWarning);
    EXPECT_NE(s.notice.text.find("il prezzo con IVA (1219999999998,78) supera i 15 caratteri"),
              std::string::npos)
        << s.notice.text;
    EXPECT_EQ(s.texts, card);
}

class SaveItemTest : public ::testing::Test {
  protected:
    TempFolder dir_;
    std::filesystem::path path_ = dir_ / "Magazzino.pro";
};

TEST_F(SaveItemTest, ACardWithOnlyACodeIsStoredWithTheDefaultsThenOverwrittenInPlace) {
    ItemTexts t = Card({{A::Codice, " VT-10 "}});
    for (A::Field f : {A::Giacenza, A::Sottoscorta, A::PercIva, A::Costo, A::Valore, A::Prezzo,
                       A::Prezzo_con_Iva}) {
        t[f] = "";
    }
    const ItemSaveOutcome first = SaveItem(path_, t, "");
    ASSERT_TRUE(first.saved);
    EXPECT_EQ(first.position, "1");
    EXPECT_EQ(first.notices,
              (std::vector<Notice>{{NoticeKind::kInformation, std::string(kMsgSchedaInserita)}}));
    std::string file = ReadBytes(path_);
    ASSERT_EQ(file.size(), A::kSize);
    EXPECT_EQ(StoredField(file, 1, kOffCodice), "VT-10");
    EXPECT_EQ(StoredField(file, 1, kOffGiacenza), "0");
    EXPECT_EQ(StoredField(file, 1, kOffSottoscorta), "0");
    EXPECT_EQ(StoredField(file, 1, kOffPercIva), "0");
    for (std::size_t off : {kOffCosto, kOffValore, kOffPrezzo, kOffPrezzoConIva}) {
        EXPECT_EQ(StoredField(file, 1, off), "0,00") << off;
    }

    const ItemSaveOutcome second = SaveItem(path_, first.texts, first.position);
    ASSERT_TRUE(second.saved);
    EXPECT_EQ(second.position, "1");
    EXPECT_EQ(second.notices.back().text, kMsgModificheSalvate);
    EXPECT_EQ(ReadBytes(path_).size(), A::kSize);
}

TEST_F(SaveItemTest, SaveRecomputesPriceWithVatAndValueFromTheirInputs) {
    // A price with VAT typed without Scorpora is overwritten from the price.
    const ItemTexts t = Card({{A::Codice, "A1"},
                              {A::Prezzo, "10,00"},
                              {A::PercIva, "4"},
                              {A::Prezzo_con_Iva, "99,00"},
                              {A::Costo, "2,50"},
                              {A::Giacenza, "12,5"},
                              {A::Valore, "1,00"}});
    const ItemSaveOutcome out = SaveItem(path_, t, "");
    ASSERT_TRUE(out.saved);
    EXPECT_EQ(out.texts[A::Giacenza], "13");
    EXPECT_EQ(out.texts[A::Prezzo_con_Iva], "10,40");
    EXPECT_EQ(out.texts[A::Valore], "32,50");
    const std::string file = ReadBytes(path_);
    EXPECT_EQ(StoredField(file, 1, kOffGiacenza), "13");
    EXPECT_EQ(StoredField(file, 1, kOffPrezzoConIva), "10,40");
    EXPECT_EQ(StoredField(file, 1, kOffValore), "32,50");
}

TEST_F(SaveItemTest, ABadPriceWarnsThenSavesKeepingTheGoodBoxes) {
    const ItemTexts t = Card({{A::Codice, "A1"},
                              {A::Prezzo, "abc"},
                              {A::PercIva, "22"},
                              {A::Costo, "x"},
                              {A::Giacenza, "4"}});
    const ItemSaveOutcome out = SaveItem(path_, t, "");
    ASSERT_TRUE(out.saved);
    ASSERT_EQ(out.notices.size(), 2u);
    EXPECT_EQ(out.notices[0].text, kMsgCalcolaNonValidi);
    EXPECT_EQ(out.notices[1].text, kMsgSchedaInserita);
    const std::string file = ReadBytes(path_);
    EXPECT_EQ(StoredField(file, 1, kOffPrezzo), "0,00");
    EXPECT_EQ(StoredField(file, 1, kOffPercIva), "22");
    EXPECT_EQ(StoredField(file, 1, kOffGiacenza), "4");  // a bad cost never costs the stock
    EXPECT_EQ(StoredField(file, 1, kOffCosto), "0,00");
}

TEST_F(SaveItemTest, RefusalsWriteNothing) {
    struct Case {
        const char* name;
        ItemTexts card;
        std::string message_part;
        std::string focus;
    };
    const Case cases[] = {
        {"no code", Card({{A::Codice, "  "}}), std::string(kMsgCodiceMancante), "txtCodice"},
        {"stock not a number", Card({{A::Codice, "A"}, {A::Giacenza, "tre"}}),
         std::string(kMsgAccessoArchivio), "txtGiacenza"},
        {"price with VAT too long",
         Card({{A::Codice, "A"}, {A::Prezzo, "999999999999"}, {A::PercIva, "22"}}),
         "il prezzo con IVA (1219999999998,78)", "txtPrezzo"},
        {"value too long", Card({{A::Codice, "A"}, {A::Costo, "99999999"}, {A::Giacenza, "99999"}}),
         "il valore (9999899900001,00)", "txtCosto"},
        // Stored, these letters would silently become "?".
        {"a letter the archive cannot store",
         Card({{A::Codice, "A"}, {A::Descrizione, "Vite łódź"}}),
         "il campo «Descrizione» contiene caratteri che l'archivio non può memorizzare: ł ź",
         "txtDescrizione"},
        {"the same in an extra datum", Card({{A::Codice, "A"}, {A::Onde, "Ωmega"}}),
         "il campo «Scadenza»", "memOnde"},
    };
    for (const Case& c : cases) {
        const ItemSaveOutcome out = SaveItem(path_, c.card, "");
        EXPECT_FALSE(out.saved) << c.name;
        ASSERT_FALSE(out.notices.empty()) << c.name;
        EXPECT_EQ(out.notices.back().kind, NoticeKind::kWarning) << c.name;
        EXPECT_NE(out.notices.back().text.find(c.message_part), std::string::npos)
            << c.name << ": " << out.notices.back().text;
        EXPECT_EQ(out.focus, c.focus) << c.name;
        EXPECT_EQ(out.position, "") << c.name;
        EXPECT_FALSE(std::filesystem::exists(path_)) << c.name;
    }
}

TEST_F(SaveItemTest, AFileFailureGivesTheAccessMessageAndKeepsThePosition) {
    testing::WriteWarehouse(path_, {testing::MakeItem({{A::Codice, "old"}})});
    const std::string before = ReadBytes(path_);
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kWrite);
    const ItemSaveOutcome out = SaveItem(path_, Card({{A::Codice, "new"}}), "1", fs);
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.position, "1");
    EXPECT_EQ(out.notices.back(), (Notice{NoticeKind::kWarning, std::string(kMsgAccessoArchivio)}));
    EXPECT_EQ(ReadBytes(path_), before);
}

TEST_F(SaveItemTest, DuplicateMakesANewCardWithoutAttachments) {
    ItemTexts t = Card({{A::Codice, "A1"},
                        {A::Consumo, "12 cm"},
                        {A::File01, "foto.jpg"},
                        {A::Desc01, "Foto"},
                        {A::Cartella, "A1"}});
    const ItemDuplicateOutcome refused = DuplicateItem(path_, t, "");
    EXPECT_EQ(refused.notice, (Notice{NoticeKind::kWarning, std::string(kMsgDuplicaNuova)}));
    EXPECT_EQ(refused.texts, t);

    const ItemSaveOutcome saved = SaveItem(path_, t, "");
    ASSERT_TRUE(saved.saved);
    const ItemDuplicateOutcome dup = DuplicateItem(path_, saved.texts, saved.position);
    EXPECT_EQ(dup.notice, (Notice{NoticeKind::kInformation, std::string(kMsgDuplicata)}));
    EXPECT_EQ(dup.position, "");
    EXPECT_EQ(dup.focus, "txtCodice");
    EXPECT_EQ(dup.texts[A::Codice], "A1");
    EXPECT_EQ(dup.texts[A::Consumo], "12 cm");
    EXPECT_EQ(dup.texts[A::File01], "");
    EXPECT_EQ(dup.texts[A::Desc01], "");
    EXPECT_EQ(dup.texts[A::Cartella], "");

    const ItemSaveOutcome second = SaveItem(path_, dup.texts, dup.position);
    ASSERT_TRUE(second.saved);
    EXPECT_EQ(second.position, "2");
    const std::string file = ReadBytes(path_);
    EXPECT_EQ(StoredField(file, 2, kOffCodice), "A1");
    EXPECT_EQ(StoredField(file, 1, kOffFile01), "foto.jpg");
    EXPECT_EQ(StoredField(file, 2, kOffFile01), "");
}

}  // namespace
}  // namespace corvelo

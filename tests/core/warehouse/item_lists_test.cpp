#include "core/warehouse/item_lists.h"

#include <gtest/gtest.h>

#include "support/fault_file_system.h"
#include "core/storage/messages.h"
#include "core/storage/text.h"
#include "support/item_archive.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

using testing::MakeItem;
using testing::TempFolder;
using testing::WriteWarehouse;
using A = TArticolo;

std::string Pad(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// The item codes of the lines, in list order (the code is the first column).
std::vector<std::string> Codes(const LineList& lines) {
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < lines.size(); ++i) codes.push_back(Trim(lines[i].substr(0, 30)));
    return codes;
}

TEST(ItemListLineTest, ColumnsOfBothLines) {
    const TArticolo r = MakeItem({{A::Codice, " VT-10 "},
                                  {A::Marca, "Fischer"},
                                  {A::Modello, "Duopower 6x30"},
                                  {A::Descrizione, "Tassello in nylon è bicomponente"},
                                  {A::Costo, "0,12"},
                                  {A::Prezzo, "0,25"},
                                  {A::Giacenza, "2,5"},
                                  {A::Note, " scaffale [A] "}});
    const std::string card = Pad("VT-10", 30) + "  " + Pad("Fischer Duopower 6x30", 40) +
                             "  Costo: " + Pad("0,12", 12) + "  Giacenza: " + Pad("2,5", 12) +
                             "  Note: scaffale [A]";
    const std::string import = Pad("VT-10", 30) + "  " + "Tassello in nylon è bicomponente" +
                               std::string(13, ' ') + "  Prezzo: " + Pad("0,25", 15) +
                               "  Giacenza: 2,5";
    EXPECT_EQ(ItemListLine(r, ItemLineKind::kCard), card);
    EXPECT_EQ(ItemListLine(r, ItemLineKind::kImport), import);

    // The raw-bytes form is the same line, and long texts are cut to their column.
    TempFolder dir;
    TArticolo longer = r;
    longer[A::Codice] = std::string(30, 'c') + "TAGLIATO";
    longer[A::Marca] = std::string(45, 'm');
    WriteWarehouse(dir / "Magazzino.pro", {r, longer});
    const ItemListResult all = SearchItems(dir / "Magazzino.pro", {}, ItemLineKind::kCard);
    ASSERT_EQ(all.lines.size(), 2u);
    EXPECT_EQ(all.lines[1], card);
    EXPECT_EQ(all.lines[0].substr(0, 74),
              std::string(30, 'c') + "  " + std::string(40, 'm') + "  ");
}

TEST(LowStockTest, ListsCardsAtOrBelowTheirLevelAndSkipsUnreadableOnes) {
    TempFolder dir;
    const auto path = dir / "Magazzino.pro";
    WriteWarehouse(
        path, {
                  MakeItem({{A::Codice, "tre-tre"}, {A::Giacenza, "3"}, {A::Sottoscorta, "3"}}),
                  MakeItem({{A::Codice, "quattro-tre"}, {A::Giacenza, "4"}, {A::Sottoscorta, "3"}}),
                  MakeItem({{A::Codice, "Zero"}, {A::Giacenza, "0"}, {A::Sottoscorta, "0"}}),
                  MakeItem({{A::Codice, "rotto"}, {A::Giacenza, "x"}, {A::Sottoscorta, "9"}}),
                  MakeItem({{A::Codice, "alfa"}, {A::Giacenza, "-2"}, {A::Sottoscorta, "0"}}),
                  MakeItem({{A::Codice, "vuoto"}, {A::Giacenza, "1"}, {A::Sottoscorta, ""}}),
                  MakeItem({{A::Codice, "frazione"}, {A::Giacenza, "2,5"}, {A::Sottoscorta, "2"}}),
              });
    const std::string before = testing::ReadBytes(path);
    const ItemListResult out = LowStockList(path);
    EXPECT_TRUE(out.status.ok());
    EXPECT_EQ(Codes(out.lines), (std::vector<std::string>{"alfa", "tre-tre", "Zero"}));
    EXPECT_EQ(out.skipped, (std::vector<std::size_t>{4, 6}));
    ASSERT_EQ(out.notices.size(), 1u);
    EXPECT_EQ(out.notices[0].kind, NoticeKind::kWarning);
    EXPECT_NE(out.notices[0].text.find("le schede n. 4, 6 non sono state considerate"),
              std::string::npos)
        << out.notices[0].text;
    EXPECT_EQ(testing::ReadBytes(path), before);
}

TEST(LowStockTest, AnUnreadableFileGivesTheAccessMessage) {
    TempFolder dir;
    const auto path = dir / "Magazzino.pro";
    WriteWarehouse(path, {MakeItem({{A::Codice, "a"}, {A::Giacenza, "0"}, {A::Sottoscorta, "0"}})});
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kRead);
    const ItemListResult out = LowStockList(path, fs);
    EXPECT_FALSE(out.status.ok());
    EXPECT_EQ(out.notices,
              (std::vector<Notice>{{NoticeKind::kPlain, std::string(kMsgAccessoArchivio)}}));
}

TEST(LowStockTest, AnEmptyWarehouseGivesAnEmptyListAndCreatesTheFile) {
    TempFolder dir;
    const ItemListResult out = LowStockList(dir / "Magazzino.pro");
    EXPECT_TRUE(out.lines.empty());
    EXPECT_TRUE(out.notices.empty());
    EXPECT_TRUE(std::filesystem::exists(dir / "Magazzino.pro"));
}

TEST(ItemSearchTest, CriteriaMatching) {
    TempFolder dir;
    const auto path = dir / "Magazzino.pro";
    WriteWarehouse(
        path,
        {
            MakeItem({{A::Codice, "AB"},
                      {A::Fornitore, "FERRAMENTA Rossi"},
                      {A::Descrizione, "Vite da legno"}}),
            MakeItem({{A::Codice, "Ab"}, {A::Fornitore, "Ferro Sud"}, {A::Descrizione, "Chiodo"}}),
            MakeItem(
                {{A::Codice, "xaby"}, {A::Fornitore, "Gigi Ferro"}, {A::Descrizione, "viteria"}}),
            MakeItem({{A::Codice, "c"}, {A::Fornitore, "Bianchi"}, {A::Note, "vite"}}),
        });
    struct Case {
        const char* name;
        ItemSearchTexts
            boxes;  // Codice Tipologia Marca Modello Descrizione Accessori Fornitore ...
        std::vector<std::string> codes;
    };
    ItemSearchTexts none;
    auto with = [](std::initializer_list<std::pair<std::size_t, std::string>> set) {
        ItemSearchTexts b;
        for (const auto& [i, t] : set) b[i] = t;
        return b;
    };
    const Case cases[] = {
        {"every box empty", none, {"AB", "Ab", "c", "xaby"}},
        {"code ab in any case", with({{0, "ab"}}), {"AB", "Ab", "xaby"}},
        {"supplier ferr", with({{6, "ferr"}}), {"AB", "Ab", "xaby"}},
        {"supplier and description", with({{6, "ferr"}, {4, "vite"}}), {"AB", "xaby"}},
        {"a trailing blank is searched too", with({{6, "ferro "}}), {"Ab"}},
        {"notes", with({{9, "VITE"}}), {"c"}},
        {"nothing found", with({{0, "zz"}}), {}},
    };
    for (const Case& c : cases) {
        const ItemListResult out = SearchItems(path, c.boxes, ItemLineKind::kCard);
        EXPECT_TRUE(out.status.ok()) << c.name;
        EXPECT_EQ(Codes(out.lines), c.codes) << c.name;
    }
    EXPECT_EQ(ItemCountLine(0), "Il presente elenco contiene 0 schede.");
    EXPECT_EQ(ItemCountLine(4), "Il presente elenco contiene 4 schede.");
}

TEST(ItemSearchTest, AnUnreadableFileGivesTheAccessMessage) {
    TempFolder dir;
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kOpen);
    const ItemListResult out = SearchItems(dir / "Magazzino.pro", {}, ItemLineKind::kImport, fs);
    EXPECT_FALSE(out.status.ok());
    EXPECT_EQ(out.notices,
              (std::vector<Notice>{{NoticeKind::kPlain, std::string(kMsgAccessoArchivio)}}));
}

TEST(LocateItemTest, TheLastCardGivingTheLineIsRecalledWholeOrNothing) {
    TempFolder dir;
    const auto path = dir / "Magazzino.pro";
    const TArticolo first = MakeItem({{A::Codice, "A1"}, {A::Note, "n"}, {A::File01, "uno.pdf"}});
    const TArticolo second = MakeItem({{A::Codice, "A1"}, {A::Note, "n"}, {A::File01, "due.pdf"}});
    WriteWarehouse(path, {first, MakeItem({{A::Codice, "B"}}), second});

    const std::string line = "  " + ItemListLine(first, ItemLineKind::kCard) + "  ";
    const LocatedItem found = LocateItemByLine(path, line, ItemLineKind::kCard);
    ASSERT_TRUE(found.found());
    EXPECT_EQ(found.card, 3u);
    EXPECT_EQ(found.record, second);

    EXPECT_FALSE(LocateItemByLine(path, "nessuna", ItemLineKind::kCard).found());
    const LocatedItem b =
        LocateItemByLine(path, ItemListLine(MakeItem({{A::Codice, "B"}}), ItemLineKind::kImport),
                         ItemLineKind::kImport);
    EXPECT_EQ(b.card, 2u);

    FaultFileSystem fs;
    fs.FailFrom(IoOp::kClose);
    const LocatedItem failed = LocateItemByLine(path, line, ItemLineKind::kCard, fs);
    EXPECT_FALSE(failed.found());
    EXPECT_EQ(failed.card, 0u);
    EXPECT_EQ(failed.record, TArticolo{});
}

}  // namespace
}  // namespace corvelo

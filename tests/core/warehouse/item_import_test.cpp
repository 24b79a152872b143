#include "core/warehouse/item_import.h"

#include <gtest/gtest.h>

#include "support/fault_file_system.h"
#include "core/storage/messages.h"
#include "support/temp_folder.h"
#include "support/item_archive.h"
#include "core/warehouse/item_lists.h"

namespace corvelo {
namespace {

using testing::MakeItem;
using testing::ReadBytes;
using testing::StoredField;
using testing::TempFolder;
using A = TArticolo;
using Res = ImportOutcome::Result;

constexpr std::size_t kOffValore = 1655, kOffGiacenza = 2459;

class ImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::WriteWarehouse(path_, {
                                           MakeItem({{A::Codice, "primo"}, {A::Giacenza, "1"}}),
                                           MakeItem({{A::Codice, "VT-10"},
                                                     {A::Descrizione, "Vite zincata 6x30"},
                                                     {A::Prezzo, "12,50"},
                                                     {A::Prezzo_con_Iva, "15,25"},
                                                     {A::Costo, "1,23"},
                                                     {A::Valore, "6,15"},
                                                     {A::Giacenza, "5"},
                                                     {A::Note, "nota"}}),
                                           MakeItem({{A::Codice, "ultimo"}}),
                                       });
        before_ = ReadBytes(path_);
    }

    // Chooses card 2 by its line in the import list, as a click does.
    ChosenItem ChooseSecond() {
        const ItemListResult list = SearchItems(path_, {}, ItemLineKind::kImport);
        for (std::size_t i = 0; i < list.lines.size(); ++i) {
            if (list.lines[i].starts_with("VT-10")) return ChooseItem(path_, list.lines[i]).chosen;
        }
        ADD_FAILURE() << "no line for VT-10";
        return {};
    }

    ImportOutcome Import(std::string_view quantity, bool update,
                         std::string_view tag = "ric_art_07",
                         FileSystem& fs = DefaultFileSystem()) {
        return ImportItem(path_, {tag, true, ChooseSecond(), quantity, update}, fs);
    }

    // Everything but card 2's Giacenza and Valore is as it was.
    void ExpectOnlyStockAndValueChanged() {
        std::string after = ReadBytes(path_);
        ASSERT_EQ(after.size(), before_.size());
        for (std::size_t off : {kOffGiacenza, kOffValore}) {
            const std::size_t at = A::kSize + off;
            std::copy(before_.begin() + at, before_.begin() + at + 16, after.begin() + at);
        }
        EXPECT_TRUE(after == before_);
    }

    TempFolder dir_;
    std::filesystem::path path_ = dir_ / "Magazzino.pro";
    std::string before_;
};

TEST_F(ImportTest, ChoosingALineFillsTheLabels) {
    EXPECT_EQ(ChooseSecond(), (ChosenItem{"VT-10", "Vite zincata 6x30", "5", "1,23", "6,15", "2"}));
    const ChooseOutcome none = ChooseItem(path_, "non in elenco");
    EXPECT_EQ(none.chosen, ChosenItem{});
    EXPECT_TRUE(none.notice.empty());
}

TEST_F(ImportTest, UnloadingLowersTheStockAndRecomputesTheValue) {
    struct Case {
        std::string quantity, stock, value;
    };
    const Case cases[] = {
        {"5", "0", "0,00"},        // the whole stock
        {"2,5", "2,5", "3,08"},    // 1,23 x 2,5 = 3,075
        {"4,99", "0,01", "0,01"},  // rounded to 4 decimals, not 0,00999999999
        {"0", "5", "6,15"},
    };
    for (const Case& c : cases) {
        SetUp();
        const ImportOutcome out = Import(c.quantity, true);
        ASSERT_EQ(out.result, Res::kImported) << c.quantity;
        EXPECT_TRUE(out.close_window());
        EXPECT_TRUE(out.written);
        ASSERT_TRUE(out.fill.has_value());
        EXPECT_EQ(*out.fill, (ReceiptLineFill{7, "Vite zincata 6x30", "12,50"}));
        EXPECT_EQ(out.chosen.giacenza, c.stock);
        const std::string file = ReadBytes(path_);
        EXPECT_EQ(StoredField(file, 2, kOffGiacenza), c.stock) << c.quantity;
        EXPECT_EQ(StoredField(file, 2, kOffValore), c.value) << c.quantity;
        ExpectOnlyStockAndValueChanged();
    }
}

TEST_F(ImportTest, WithoutTheUpdateTheFileIsOnlyRead) {
    const ImportOutcome out = Import("99", false, "ric_art_01");
    ASSERT_EQ(out.result, Res::kImported);
    EXPECT_FALSE(out.written);
    EXPECT_EQ(*out.fill, (ReceiptLineFill{1, "Vite zincata 6x30", "12,50"}));
    EXPECT_TRUE(ReadBytes(path_) == before_);
}

TEST_F(ImportTest, RefusalsWriteNothingAndFillNothing) {
    struct Case {
        const char* name;
        std::string quantity;
        std::string tag;
        Res result;
        std::string_view message;
        bool close;
    };
    const Case cases[] = {
        {"above the stock", "6", "ric_art_07", Res::kAboveStock, kMsgQuantitaSuperiore, false},
        {"empty quantity", "", "ric_art_07", Res::kNotANumber, "", true},
        {"negative quantity", "-1", "ric_art_07", Res::kNotANumber, "", true},
        {"not a receipt line", "1", "magazzino", Res::kUnknownTag, "", true},
        {"line 31", "1", "ric_art_31", Res::kUnknownTag, "", true},
    };
    for (const Case& c : cases) {
        const ImportOutcome out = Import(c.quantity, true, c.tag);
        EXPECT_EQ(out.result, c.result) << c.name;
        EXPECT_EQ(out.notice.text, c.message) << c.name;
        EXPECT_EQ(out.close_window(), c.close) << c.name;
        EXPECT_FALSE(out.fill.has_value()) << c.name;
        EXPECT_TRUE(ReadBytes(path_) == before_) << c.name;
    }

    ImportRequest nothing_chosen{"ric_art_07", true, ChosenItem{}, "1", true};
    EXPECT_EQ(ImportItem(path_, nothing_chosen).result, Res::kNotSelected);
    ImportRequest no_line{"ric_art_07", false, ChooseSecond(), "1", false};
    const ImportOutcome out = ImportItem(path_, no_line);
    EXPECT_EQ(out.notice, (Notice{NoticeKind::kWarning, std::string(kMsgSelezionaArticolo)}));
    EXPECT_FALSE(out.close_window());
}

TEST_F(ImportTest, APriceLongerThanTheReceiptBoxIsRefusedBeforeAnythingIsWritten) {
    testing::WriteWarehouse(
        path_, {MakeItem({{A::Codice, "caro"}, {A::Prezzo, "12345678,00"}, {A::Giacenza, "3"}})});
    before_ = ReadBytes(path_);
    const ChosenItem chosen =
        ChooseItem(path_, SearchItems(path_, {}, ItemLineKind::kImport).lines[0]).chosen;
    for (bool update : {true, false}) {
        const ImportOutcome out = ImportItem(path_, {"ric_art_02", true, chosen, "1", update});
        EXPECT_EQ(out.result, Res::kTooLong);
        EXPECT_NE(out.notice.text.find("(12345678,00) supera i 10 caratteri"), std::string::npos)
            << out.notice.text;
        EXPECT_FALSE(out.fill.has_value());
        EXPECT_TRUE(ReadBytes(path_) == before_);
    }
}

TEST_F(ImportTest, AFailedWriteFillsNoReceiptLine) {
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kWrite);
    const ImportOutcome out = Import("1", true, "ric_art_07", fs);
    EXPECT_EQ(out.result, Res::kFileError);
    EXPECT_EQ(out.notice, (Notice{NoticeKind::kWarning, std::string(kMsgAccessoArchivio)}));
    EXPECT_TRUE(out.close_window());
    EXPECT_FALSE(out.fill.has_value());
    EXPECT_TRUE(ReadBytes(path_) == before_);
}

TEST(ImportBoxesTest, QuantityBoxAndTags) {
    EXPECT_EQ(LeaveQuantityBox(""), "");
    EXPECT_EQ(LeaveQuantityBox("2,50"), "2,5");
    EXPECT_EQ(LeaveQuantityBox("1,23456"), "1,2346");
    EXPECT_EQ(LeaveQuantityBox("1,,"), "0");
    EXPECT_EQ(ReceiptLineOfTag("ric_art_07"), 7);
    EXPECT_EQ(ReceiptLineOfTag("ric_art_30"), 30);
    EXPECT_EQ(ReceiptLineOfTag("ric_art_00"), std::nullopt);
    EXPECT_EQ(ReceiptLineOfTag("ric_art_7"), std::nullopt);
    EXPECT_EQ(ImportTag(7), "ric_art_07");
}

}  // namespace
}  // namespace corvelo

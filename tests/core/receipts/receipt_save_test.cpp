#include "core/receipts/receipt_save.h"

#include <gtest/gtest.h>

#include <set>

#include "core/storage/fault_file_system.h"
#include "core/storage/messages.h"
#include "core/storage/record_scan.h"
#include "core/storage/temp_folder.h"

namespace corvelo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using R = TRicevuta;

ReceiptTexts ValidReceipt() {
    ReceiptTexts t;
    t[R::NumRic] = "1";
    t[R::Data] = "15/03/2024";
    t[R::Cliente] = " Mario Rossi ";
    t[R::CapCliente] = "20100";
    t.Desc(1) = "Lezione";
    t.Prezzo(1) = "10,50";
    t.Desc(3) = "Quota";
    t.Prezzo(3) = "2,25";
    t[R::Acconti] = "0,00";
    t[R::Tassa] = "2,00";
    return t;
}

struct CheckCase {
    const char* name;
    std::string cliente, numero, data;
    std::string_view message;
    const char* focus;
};

class SaveCheckOrder : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SaveCheckOrder, FirstFailingCheckIsReportedAndNothingWritten) {
    const CheckCase& c = GetParam();
    TempFolder dir;
    ReceiptTexts t = ValidReceipt();
    t[R::Cliente] = c.cliente;
    t[R::NumRic] = c.numero;
    t[R::Data] = c.data;
    const ReceiptSaveOutcome out = SaveReceipt(dir / "2024.ric", t, "");
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.notice.kind, NoticeKind::kWarning);
    EXPECT_EQ(out.notice.text, c.message);
    EXPECT_EQ(out.focus, c.focus);
    EXPECT_EQ(out.texts[R::TotCorrispettivi], "12,75");  // the calculation ran first
    EXPECT_FALSE(std::filesystem::exists(dir / "2024.ric"));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SaveCheckOrder,
    ::testing::Values(
        CheckCase{"CustomerBeforeNumber", "  ", "", "", kMsgClienteMancante, "txtCliente"},
        CheckCase{"NumberBeforeDate", "Rossi", " ", "", kMsgNumeroMancante, "txtNumRic"},
        CheckCase{"DateGiven", "Rossi", "1", "", kMsgDataMancante, "txtData"},
        CheckCase{"DateExists", "Rossi", "1", "31/02/2024", kMsgDataInesistente, "txtData"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveReceiptTest, CalculationFailureStopsBeforeTheChecks) {
    TempFolder dir;
    ReceiptTexts t = ValidReceipt();
    t[R::Cliente] = "";
    t.Prezzo(2) = "1,2,3";
    const ReceiptSaveOutcome out = SaveReceipt(dir / "2024.ric", t, "");
    EXPECT_EQ(out.notice.kind, NoticeKind::kError);
    EXPECT_EQ(out.notice.text, "'1,2,3' is not a valid floating point value");
    EXPECT_FALSE(std::filesystem::exists(dir / "2024.ric"));
}

TEST(SaveReceiptTest, AmountTooLongForItsFieldIsRefusedNamingIt) {
    struct Case {
        int line;  // 0: the lines fill the totals instead
        std::string amount;
        std::string named;
        std::string focus;
    };
    for (const Case& c :
         {Case{4, "12345678,00", "l'importo della riga 4 (12345678,00)", "txtPrezzo04"},
          Case{0, "9999999,99", "il totale dei corrispettivi (19999999,98)", ""}}) {
        TempFolder dir;
        ReceiptTexts t = ValidReceipt();
        if (c.line) {
            t.Prezzo(c.line) = c.amount;
        } else {
            t.Prezzo(1) = c.amount;
            t.Prezzo(3) = c.amount;
        }
        const ReceiptSaveOutcome out = SaveReceipt(dir / "2024.ric", t, "");
        EXPECT_FALSE(out.saved);
        EXPECT_EQ(out.notice.kind, NoticeKind::kWarning);
        EXPECT_NE(out.notice.text.find(c.named), std::string::npos) << out.notice.text;
        EXPECT_EQ(out.focus, c.focus);
        EXPECT_FALSE(std::filesystem::exists(dir / "2024.ric"));
    }
}

TEST(SaveReceiptTest, AppendsOnceThenOverwritesTheSameRecord) {
    TempFolder dir;
    const auto path = dir / "2024.ric";
    ReceiptTexts t = ValidReceipt();
    t.saldata = true;
    ReceiptSaveOutcome first = SaveReceipt(path, t, "");
    ASSERT_TRUE(first.saved);
    EXPECT_EQ(first.notice, (Notice{NoticeKind::kInformation, std::string(kMsgSchedaInserita)}));
    EXPECT_EQ(first.position, "1");

    ReceiptSaveOutcome second = SaveReceipt(path, first.texts, first.position);
    ASSERT_TRUE(second.saved);
    EXPECT_EQ(second.notice.text, kMsgModificheSalvate);
    EXPECT_EQ(second.position, "1");

    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), R::kSize);
    EXPECT_EQ(bytes.substr(3074, 3), std::string("\x02S\xEC", 3));
    EXPECT_EQ(bytes.substr(3030, 6), std::string("\x05"
                                                 "12,75",
                                                 6));  // the total
    EXPECT_EQ(bytes.substr(3063, 6), std::string("\x05"
                                                 "14,75",
                                                 6));  // amount due
    // Line 2 left empty between two filled lines stays two empty fields.
    EXPECT_EQ(bytes[1076], '\0');
    EXPECT_EQ(bytes[2711], '\0');

    const auto stored = ReadCard<R>(path, 1);
    ASSERT_TRUE(stored.ok());
    ReceiptTexts shown = TextsFromReceipt(stored.value, false);
    EXPECT_EQ(shown[R::Cliente], "Mario Rossi");
    EXPECT_EQ(shown.Prezzo(2), "");
    EXPECT_TRUE(shown.saldata);
}

TEST(SaveReceiptTest, UnpaidReceiptStoresNo) {
    TempFolder dir;
    ASSERT_TRUE(SaveReceipt(dir / "2024.ric", ValidReceipt(), "").saved);
    EXPECT_EQ(ReadBytes(dir / "2024.ric").substr(3074, 3), std::string("\x02No", 3));
}

TEST(SaveReceiptTest, WriteFailureGivesTheAccessWarning) {
    TempFolder dir;
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kWrite);
    const ReceiptSaveOutcome out = SaveReceipt(dir / "2024.ric", ValidReceipt(), "", fs);
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.notice, (Notice{NoticeKind::kWarning, std::string(kMsgAccessoArchivio)}));
    EXPECT_EQ(out.position, "");
}

TEST(SaldataRules, OnlySiAndNoMoveTheCheckBox) {
    EXPECT_EQ(SaldataCheck("S\xC3\xAC"), true);
    EXPECT_EQ(SaldataCheck(" No "), false);
    EXPECT_EQ(SaldataCheck(""), std::nullopt);
    EXPECT_EQ(SaldataCheck("si"), std::nullopt);
    TRicevuta odd;
    odd[R::Saldata] = "X";
    EXPECT_TRUE(TextsFromReceipt(odd, true).saldata);
    EXPECT_FALSE(TextsFromReceipt(odd, false).saldata);
}

TEST(ReceiptTextsTest, ControlNamesAndClearing) {
    EXPECT_EQ(ReceiptControlName(R::Prezzo07), "txtPrezzo07");
    EXPECT_EQ(ReceiptControlName(R::TotCorrispettivi), "txtTotCorrispettivi");
    EXPECT_EQ(ReceiptControlName(R::Saldata), "chkSaldata");

    // The editor's table pairs every field but the paid flag with its control
    // once, and no two fields share what a message calls them.
    std::set<std::size_t> fields;
    std::set<std::string_view> captions;
    for (const CardField& f : ReceiptCardFields()) {
        EXPECT_EQ(f.control, ReceiptControlName(f.field));
        EXPECT_TRUE(fields.insert(f.field).second) << f.control;
        EXPECT_TRUE(captions.insert(f.caption).second) << f.caption;
    }
    EXPECT_EQ(fields.size(), R::kFieldCount - 1);
    EXPECT_FALSE(fields.contains(R::Saldata));
    EXPECT_EQ(ReceiptCardFields()[R::Desc05].caption, "Descrizione della riga 5");

    ReceiptTexts t = ValidReceipt();
    t[R::Ditta] = "Ditta";
    t[R::Tassa] = "2,00";
    t[R::Totale] = "1,00";
    t.saldata = true;
    const ReceiptTexts cleared = ClearedReceipt(t);
    EXPECT_EQ(cleared[R::Ditta], "Ditta");
    EXPECT_EQ(cleared[R::Tassa], "2,00");
    EXPECT_EQ(cleared[R::Acconti], "0,00");
    EXPECT_EQ(cleared[R::Cliente], "");
    EXPECT_EQ(cleared.Prezzo(1), "");
    EXPECT_EQ(cleared[R::Totale], "");
    EXPECT_FALSE(cleared.saldata);
}

}  // namespace
}  // namespace corvelo

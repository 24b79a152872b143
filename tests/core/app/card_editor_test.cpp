#include "core/app/card_editor.h"

#include <gtest/gtest.h>

#include "core/storage/articolo.h"
#include "core/storage/cp1252.h"
#include "core/storage/messages.h"
#include "core/storage/temp_folder.h"

namespace corvelo {
namespace {

constexpr std::span<const CardField> kNoFields;
constexpr CardFailureKinds kKinds = {NoticeKind::kWarning, NoticeKind::kError, NoticeKind::kPlain};

TEST(CardEditorNotices, EachMessageInItsBoxTheAccessMessageInTheKindOfTheMove) {
    const Notice empty{NoticeKind::kInformation, std::string(kMsgArchivioVuoto)};
    EXPECT_EQ(BrowseNotice(CardMessage::kArchivioVuoto, CardMove::kNext, kKinds), empty);
    EXPECT_EQ(BrowseNotice(CardMessage::kNone, CardMove::kFirst, kKinds), Notice{});
    const struct {
        CardMove move;
        NoticeKind kind;
    } moves[] = {{CardMove::kFirst, NoticeKind::kWarning},
                 {CardMove::kLast, NoticeKind::kError},
                 {CardMove::kNext, NoticeKind::kError},
                 {CardMove::kPrevious, NoticeKind::kError}};
    for (const auto& m : moves) {
        EXPECT_EQ(BrowseNotice(CardMessage::kAccessoArchivio, m.move, kKinds),
                  (Notice{m.kind, std::string(kMsgAccessoArchivio)}));
    }
    EXPECT_EQ(SaveNotice(CardMessage::kAccessoArchivio, kKinds),
              (Notice{NoticeKind::kPlain, std::string(kMsgAccessoArchivio)}));
    EXPECT_EQ(SaveNotice(CardMessage::kSchedaInserita, kKinds),
              (Notice{NoticeKind::kInformation, std::string(kMsgSchedaInserita)}));
    EXPECT_EQ(SaveNotice(CardMessage::kModificheSalvate, kKinds),
              (Notice{NoticeKind::kInformation, std::string(kMsgModificheSalvate)}));
}

TEST(CardEditorWrite, AppendsThenOverwritesAndAFailureKeepsThePosition) {
    testing::TempFolder folder;
    TArticolo item;
    item[TArticolo::Codice] = "A1";
    const CardSaveOutcome added = StoreCard(folder / "Magazzino.pro", item, "", kNoFields, kKinds);
    EXPECT_TRUE(added.saved);
    EXPECT_EQ(added.position, "1");
    EXPECT_EQ(added.notice.text, kMsgSchedaInserita);
    const CardSaveOutcome saved = StoreCard(folder / "Magazzino.pro", item, "1", kNoFields, kKinds);
    EXPECT_EQ(saved.notice.text, kMsgModificheSalvate);
    EXPECT_EQ(testing::ReadBytes(folder / "Magazzino.pro").size(), TArticolo::kSize);

    const CardSaveOutcome failed =
        StoreCard(folder.path(), item, "7", kNoFields, kKinds);  // a folder
    EXPECT_FALSE(failed.saved);
    EXPECT_FALSE(failed.status.ok());
    EXPECT_EQ(failed.position, "7");
    EXPECT_EQ(failed.notice.kind, NoticeKind::kPlain);
}

struct StorableCase {
    const char* name;
    std::string text;
    std::string unstorable;  // each once, in order of appearance
};

class Storable : public ::testing::TestWithParam<StorableCase> {};

TEST_P(Storable, OnlyCharactersOutsideWindows1252AreReportedEachOnce) {
    EXPECT_EQ(CodePointsToUtf8(UnstorableCharacters(GetParam().text)), GetParam().unstorable);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Storable,
    ::testing::Values(StorableCase{"italian_and_symbols", "Città d'Àosta € ½ «Škoda» ? …", ""},
                      StorableCase{"polish", "Łódź Wałęsa Łukasz", "Łźłę"},
                      StorableCase{"croatian", "Đurđević", "Đđć"},
                      StorableCase{"decomposed_accent", "Citta\u0300", "\u0300"},
                      StorableCase{"emoji", "ok 😀", "😀"},
                      StorableCase{"undefined_bytes_round_trip", "\u0081\u008D", ""},
                      StorableCase{"c1_control_without_byte", "a\u0080", "\u0080"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CardEditorStorable, TheWarningNamesTheFirstFieldInTableOrderAndItsCharacters) {
    const CardField fields[] = {
        {TArticolo::Codice, "txtCodice", "Codice articolo"},
        {TArticolo::Marca, "txtMarca", "Marca"},
        {TArticolo::Modello, "txtModello", "Modello"},
    };
    TArticolo item;
    item[TArticolo::Modello] = "Żubr";
    item[TArticolo::Marca] = "Łoś e\u0301";
    const SaveCheck check = CheckStorable(item.fields, fields);
    EXPECT_EQ(check.notice.kind, NoticeKind::kWarning);
    EXPECT_EQ(check.notice.text,
              "Attenzione: il campo «Marca» contiene caratteri che l'archivio non può "
              "memorizzare: Ł ś U+0301.\n\r\n\rPer poter salvare la scheda è necessario "
              "sostituirli, ad esempio con le lettere semplici corrispondenti.");
    EXPECT_EQ(check.focus, "txtMarca");

    // Refused before the file is touched: nothing is written, the position stays.
    testing::TempFolder folder;
    const CardSaveOutcome refused = StoreCard(folder / "Magazzino.pro", item, "3", fields, kKinds);
    EXPECT_FALSE(refused.saved);
    EXPECT_EQ(refused.notice, check.notice);
    EXPECT_EQ(refused.focus, "txtMarca");
    EXPECT_EQ(refused.position, "3");
    EXPECT_FALSE(std::filesystem::exists(folder / "Magazzino.pro"));

    item[TArticolo::Marca] = "Los";
    item[TArticolo::Modello] = "Zubr";
    EXPECT_TRUE(CheckStorable(item.fields, fields).ok());
}

}  // namespace
}  // namespace corvelo

#include "core/app/card_editor.h"

#include <gtest/gtest.h>

#include "core/storage/articolo.h"
#include "core/storage/messages.h"
#include "core/storage/temp_folder.h"

namespace corvelo {
namespace {

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
    const CardSaveOutcome added = WriteCard(folder / "Magazzino.pro", item, "", kKinds);
    EXPECT_TRUE(added.saved);
    EXPECT_EQ(added.position, "1");
    EXPECT_EQ(added.notice.text, kMsgSchedaInserita);
    const CardSaveOutcome saved = WriteCard(folder / "Magazzino.pro", item, "1", kKinds);
    EXPECT_EQ(saved.notice.text, kMsgModificheSalvate);
    EXPECT_EQ(testing::ReadBytes(folder / "Magazzino.pro").size(), TArticolo::kSize);

    const CardSaveOutcome failed = WriteCard(folder.path(), item, "7", kKinds);  // a folder
    EXPECT_FALSE(failed.saved);
    EXPECT_FALSE(failed.status.ok());
    EXPECT_EQ(failed.position, "7");
    EXPECT_EQ(failed.notice.kind, NoticeKind::kPlain);
}

}  // namespace
}  // namespace corvelo

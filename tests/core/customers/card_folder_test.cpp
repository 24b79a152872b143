#include "core/customers/card_folder.h"

#include <gtest/gtest.h>

#include "core/storage/temp_folder.h"

namespace corvelo {
namespace {

using namespace testing;

TEST(CardFolderTest, OnlyASavedCardHasAFolderNamedAfterItsNumber) {
    const CardFolderRequest unsaved = RequestCardFolder(" ");
    EXPECT_FALSE(unsaved.memory);
    EXPECT_EQ(unsaved.notice,
              (Notice{NoticeKind::kWarning, std::string(kMsgCartellaSoloSchedeSalvate)}));
    EXPECT_EQ(RequestCardFolder("5").memory, "5");

    EXPECT_EQ(CardFolderPath("/dati", " 12 "), std::filesystem::path("/dati/Cliente_12"));
    EXPECT_EQ(CardFolderPath("/dati", "007"), std::filesystem::path("/dati/Cliente_7"));
    for (const char* bad : {"", "0", "-1", "5/..", "../5", "x"}) {
        EXPECT_FALSE(CardFolderPath("/dati", bad)) << bad;
    }
}

TEST(CardFolderTest, FolderIsCreatedOnceAndOpenedEveryTime) {
    TempFolder dir;
    const auto first = PrepareCardFolder(dir.path(), "5");
    ASSERT_TRUE(first);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Cliente_5"));
    WriteBytes(dir / "Cliente_5" / "nota.txt", "tenuta");
    EXPECT_EQ(PrepareCardFolder(dir.path(), "5"), first);
    EXPECT_EQ(ReadBytes(dir / "Cliente_5" / "nota.txt"), "tenuta");

    WriteBytes(dir / "Cliente_6", "a file in the way");
    EXPECT_FALSE(PrepareCardFolder(dir.path(), "6"));
}

}  // namespace
}  // namespace corvelo

#include "core/app/attachments.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/storage/temp_folder.h"

namespace corvelo {
namespace {

using namespace testing;
namespace fs = std::filesystem;

// The disk, with a copy that stops halfway (after writing part of the
// target) or a rename that fails, on demand.
class FailingFiles : public AttachmentFiles {
  public:
    bool fail_copy = false;
    bool fail_rename = false;
    std::vector<fs::path> copied_to;

    bool Exists(const fs::path& p) override { return disk().Exists(p); }
    bool SameFile(const fs::path& a, const fs::path& b) override { return disk().SameFile(a, b); }
    Status CreateFolders(const fs::path& f) override { return disk().CreateFolders(f); }
    Status CopyFile(const fs::path& from, const fs::path& to) override {
        copied_to.push_back(to);
        if (fail_copy) {
            WriteBytes(to, "half");
            return Status::Error(IoOp::kWrite, "disk full");
        }
        return disk().CopyFile(from, to);
    }
    Status Rename(const fs::path& from, const fs::path& to) override {
        if (fail_rename) return Status::Error(IoOp::kWrite, "rename");
        return disk().Rename(from, to);
    }
    Status Remove(const fs::path& p) override { return disk().Remove(p); }

  private:
    static AttachmentFiles& disk() { return DefaultAttachmentFiles(); }
};

std::vector<std::string> FolderNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AttachmentTest, NewFileIsCopiedIntoTheSharedFolder) {
    TempFolder dir;
    WriteBytes(dir / "contratto.pdf", "nuovo");
    const AttachmentPlan plan = PlanAttachment(dir.path(), dir / "contratto.pdf");
    ASSERT_TRUE(plan.status.ok());
    EXPECT_EQ(plan.name, "contratto.pdf");
    EXPECT_FALSE(plan.ask_overwrite);
    EXPECT_FALSE(plan.same_file);
    ASSERT_TRUE(CopyAttachment(dir / "contratto.pdf", plan).ok());
    EXPECT_EQ(ReadBytes(dir / "Documenti_Allegati" / "contratto.pdf"), "nuovo");
    EXPECT_EQ(FolderNames(dir / "Documenti_Allegati"), std::vector<std::string>{"contratto.pdf"});
}

TEST(AttachmentTest, FileOfTheSameNameIsAskedAboutAndReplacedWhole) {
    TempFolder dir;
    fs::create_directories(dir / "altrove");
    fs::create_directories(dir / "Documenti_Allegati");
    WriteBytes(dir / "Documenti_Allegati" / "foto.jpg", "vecchia, molto più lunga");
    WriteBytes(dir / "altrove" / "foto.jpg", "nuova");
    const AttachmentPlan plan = PlanAttachment(dir.path(), dir / "altrove" / "foto.jpg");
    EXPECT_TRUE(plan.ask_overwrite);
    // The screen asks; after a No nothing else happens, after a Yes:
    ASSERT_TRUE(CopyAttachment(dir / "altrove" / "foto.jpg", plan).ok());
    EXPECT_EQ(ReadBytes(dir / "Documenti_Allegati" / "foto.jpg"), "nuova");
}

TEST(AttachmentTest, TheAttachedFileItselfIsNeverCopiedOntoItself) {
    TempFolder dir;
    fs::create_directories(dir / "Documenti_Allegati");
    WriteBytes(dir / "Documenti_Allegati" / "foto.jpg", "contenuto");
    fs::create_symlink(dir / "Documenti_Allegati", dir / "collegamento");
    for (const fs::path& chosen :
         {dir / "Documenti_Allegati" / "foto.jpg", dir / "collegamento" / "foto.jpg"}) {
        FailingFiles files;
        const AttachmentPlan plan = PlanAttachment(dir.path(), chosen, files);
        EXPECT_TRUE(plan.same_file) << chosen;
        EXPECT_FALSE(plan.ask_overwrite);
        EXPECT_TRUE(CopyAttachment(chosen, plan, files).ok());
        EXPECT_TRUE(files.copied_to.empty());
        EXPECT_EQ(ReadBytes(dir / "Documenti_Allegati" / "foto.jpg"), "contenuto");
    }
}

TEST(AttachmentTest, FailedCopyOrRenameLeavesTheOldFileWholeAndNoTemporaryFile) {
    for (const bool copy_fails : {true, false}) {
        TempFolder dir;
        fs::create_directories(dir / "Documenti_Allegati");
        WriteBytes(dir / "Documenti_Allegati" / "foto.jpg", "vecchia");
        WriteBytes(dir / "foto.jpg", "nuova");
        FailingFiles files;
        files.fail_copy = copy_fails;
        files.fail_rename = !copy_fails;
        const AttachmentPlan plan = PlanAttachment(dir.path(), dir / "foto.jpg", files);
        EXPECT_FALSE(CopyAttachment(dir / "foto.jpg", plan, files).ok());
        ASSERT_EQ(files.copied_to.size(), 1u);
        EXPECT_NE(files.copied_to[0], dir / "Documenti_Allegati" / "foto.jpg");
        EXPECT_EQ(files.copied_to[0].parent_path(), dir / "Documenti_Allegati");
        EXPECT_EQ(ReadBytes(dir / "Documenti_Allegati" / "foto.jpg"), "vecchia");
        EXPECT_EQ(FolderNames(dir / "Documenti_Allegati"), std::vector<std::string>{"foto.jpg"});
    }
}

TEST(AttachmentTest, FolderThatCannotBeMadeFailsThePlan) {
    TempFolder dir;
    WriteBytes(dir / "Documenti_Allegati", "a file in the way");
    WriteBytes(dir / "foto.jpg", "nuova");
    const AttachmentPlan plan = PlanAttachment(dir.path(), dir / "foto.jpg");
    EXPECT_FALSE(plan.status.ok());
    EXPECT_FALSE(CopyAttachment(dir / "foto.jpg", plan).ok());
}

TEST(AttachmentTest, UnstorableNameIsCopiedUnderTheNameTheRecordKeeps) {
    TempFolder dir;
    const std::string russian = "\xD0\xB4\xD0\xBE\xD0\xB3\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x80.pdf";
    WriteBytes(dir / russian, "x");
    const AttachmentPlan plan = PlanAttachment(dir.path(), dir / russian);
    EXPECT_EQ(plan.name, "_______.pdf");
    ASSERT_TRUE(CopyAttachment(dir / russian, plan).ok());
    EXPECT_EQ(ReadBytes(*AttachmentPath(dir.path(), plan.name)), "x");
}

TEST(AttachmentTest, StorableNames) {
    const std::string long_stem(300, 'a');
    const struct {
        std::string name, stored;
    } cases[] = {
        {"Fattura è № 1.pdf", "Fattura è _ 1.pdf"},
        {"  spazi  ", "spazi"},
        {"riga\nnuova.txt", "riga_nuova.txt"},
        {long_stem + ".pdf", std::string(246, 'a') + ".pdf"},
        {std::string(260, 'b'), std::string(250, 'b')},
        {"..", "__"},
        {"", "_"},
        {"senza estensione", "senza estensione"},
    };
    for (const auto& c : cases) EXPECT_EQ(StorableAttachmentName(c.name), c.stored) << c.name;
}

TEST(AttachmentTest, OnlyBareNamesAreOpened) {
    const fs::path dir = "/dati";
    EXPECT_EQ(AttachmentPath(dir, " foto.jpg "), fs::path("/dati/Documenti_Allegati/foto.jpg"));
    for (const char* bad : {"", "  ", ".", "..", "../Clienti.pro", "/etc/passwd", "a/b",
                            "..\\..\\boot.ini", "C:\\x\\y"}) {
        EXPECT_FALSE(AttachmentPath(dir, bad)) << bad;
    }
}

}  // namespace
}  // namespace corvelo

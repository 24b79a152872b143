#include "core/storage/file_replace.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/fault_file_system.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

using NameList = std::vector<std::string>;

// The names in a folder, to see that nothing is left beside the target.
NameList Names(const TempFolder& dir) {
    NameList names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

struct StepCase {
    const char* name;
    IoOp op;
    bool replaced;  // the new file is in place all the same
};

// Shown by name in the test listing instead of as bytes.
void PrintTo(const StepCase& c, std::ostream* out) {
    *out << c.name;
}

class FileReplaceFaultTest : public ::testing::TestWithParam<StepCase> {};

// Each failing step is reported, leaves the old file whole (or no file where
// there was none) and leaves no temporary file. A failing folder flush comes
// after the rename and is not a failure.
TEST_P(FileReplaceFaultTest, OldFileStaysWholeAndNoTemporaryIsLeft) {
    const StepCase& c = GetParam();
    for (const bool had_file : {true, false}) {
        SCOPED_TRACE(had_file ? "over an old file" : "no file before");
        TempFolder dir;
        const auto path = dir / "Vendarolo.ini";
        const std::string before = "[Ditta Emittente]\r\nNome=old\r\n";
        if (had_file) WriteBytes(path, before);
        FaultFileSystem fs;
        fs.FailFrom(c.op);
        // Several blocks, so that a write failure can strike after the first.
        const std::string after(FileSink::kBlock * 2 + 10, 'n');

        const Status s = ReplaceFile(path, after, fs);

        EXPECT_EQ(s.op(), c.replaced ? IoOp::kNone : c.op);
        if (c.replaced) {
            EXPECT_EQ(ReadBytes(path), after);
        } else if (had_file) {
            EXPECT_EQ(ReadBytes(path), before);
        }
        const NameList expected = c.replaced || had_file ? NameList{"Vendarolo.ini"} : NameList{};
        EXPECT_EQ(Names(dir), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, FileReplaceFaultTest,
                         ::testing::Values(StepCase{"Access", IoOp::kAccess, false},
                                           StepCase{"Create", IoOp::kCreate, false},
                                           StepCase{"Write", IoOp::kWrite, false},
                                           StepCase{"Flush", IoOp::kFlush, false},
                                           StepCase{"Close", IoOp::kClose, false},
                                           StepCase{"Rename", IoOp::kRename, false},
                                           StepCase{"SyncFolder", IoOp::kSyncFolder, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileReplace, StreamsSmallPiecesInWholeBlocksAndStopsAtTheFirstFailure) {
    TempFolder dir;
    const auto path = dir / "Ricevute.xls";
    std::string expected;
    auto fill = [&expected](FileSink& sink) {
        expected.clear();
        for (int i = 0; expected.size() < 3 * FileSink::kBlock; ++i) {
            const std::string piece = "<td>" + std::to_string(i) + "</td>";
            sink.Append(piece);
            sink.Append(';');
            expected += piece + ';';
        }
    };
    FaultFileSystem fs;
    ASSERT_TRUE(ReplaceFile(path, fill, fs).ok());
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(fs.Calls(IoOp::kWrite), 4);  // three whole blocks and the rest
    EXPECT_EQ(fs.Calls(IoOp::kFlush), 1);

    const std::string before = ReadBytes(path);
    fs.Heal();
    fs.FailOnce(IoOp::kWrite, 1);
    EXPECT_EQ(ReplaceFile(path, fill, fs).op(), IoOp::kWrite);
    EXPECT_EQ(fs.Calls(IoOp::kWrite), 2);  // nothing written after the failure
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(Names(dir), NameList{"Ricevute.xls"});
}

TEST(FileReplace, WriterThatGivesUpLeavesTheOldFile) {
    TempFolder dir;
    const auto path = dir / "Ricevute.xls";
    WriteBytes(path, "old");
    const Status s = ReplaceFile(path, [](FileSink& sink) {
        sink.Append(std::string(FileSink::kBlock + 1, 'x'));
        sink.Fail(Status::Error(IoOp::kRead, "archive unreadable"));
        EXPECT_FALSE(sink.ok());
        sink.Append("more");
    });
    EXPECT_EQ(s.op(), IoOp::kRead);
    EXPECT_EQ(s.detail(), "archive unreadable");
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(Names(dir), NameList{"Ricevute.xls"});
}

// Through the real file system: what is in the way is never replaced, and a
// replaced file keeps its permissions.
TEST(FileReplace, ReadOnlyFileOrFolderInTheWayIsAWriteFailure) {
    TempFolder dir;
    const auto read_only = dir / "unins000.dll";
    WriteBytes(read_only, "[Accesso]\r\nValore=AB\r\n");
    std::filesystem::permissions(
        read_only, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    const Status s = ReplaceFile(read_only, "new");
    EXPECT_EQ(s.op(), IoOp::kAccess);
    EXPECT_NE(s.detail().find("unins000.dll"), std::string::npos);
    EXPECT_EQ(ReadBytes(read_only), "[Accesso]\r\nValore=AB\r\n");

    const auto folder = dir / "Logo.bmp";
    std::filesystem::create_directory(folder);
    EXPECT_EQ(ReplaceFile(folder, "new").op(), IoOp::kAccess);
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    EXPECT_EQ(ReplaceFile(dir / "missing" / "Cliente.pdf", "new").op(), IoOp::kCreate);
    EXPECT_EQ(Names(dir).size(), 2u);
}

TEST(FileReplace, ReplacedFileKeepsItsPermissions) {
    TempFolder dir;
    const auto path = dir / "unins000.dll";
    WriteBytes(path, "old");
    ::chmod(path.c_str(), 0600);
    ASSERT_TRUE(ReplaceFile(path, "new").ok());
    EXPECT_EQ(ReadBytes(path), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// A replacement killed part way leaves its temporary file; the next one that
// succeeds removes it, and only such files: not one a live replacement holds
// open, nor one of a running process, nor another file's.
TEST(FileReplace, SuccessRemovesTemporariesThatKilledReplacementsLeft) {
    TempFolder dir;
    const auto path = dir / "Vendarolo.ini";
    WriteBytes(path, "old");
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone);
    const std::string alive = std::to_string(::getpid());
    const NameList abandoned = {".Vendarolo.ini." + dead + ".0.tmp",
                                ".Vendarolo.ini." + dead + ".17.tmp"};
    const NameList kept = {
        ".Vendarolo.ini." + dead + ".3.tmp",   // held open and locked below
        ".Vendarolo.ini." + alive + ".9.tmp",  // a running process
        ".Logo.bmp." + dead + ".0.tmp",        // another file's
        ".Vendarolo.ini." + dead + ".tmp",     // not a name a replacement gives
        ".Vendarolo.ini.bak",
    };
    for (const auto& name : abandoned) WriteBytes(dir / name, "partial");
    for (const auto& name : kept) WriteBytes(dir / name, "partial");
    const int held = ::open((dir / kept[0]).c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(ReplaceFile(path, "new").ok());
    ::close(held);

    EXPECT_EQ(ReadBytes(path), "new");
    NameList expected = kept;
    expected.push_back("Vendarolo.ini");
    NameList names = Names(dir);
    std::sort(expected.begin(), expected.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace corvelo

#include "core/app/data_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/case_names.h"
#include "support/fault_file_system.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct ArgsCase {
    const char* name;
    std::vector<std::string> args;
    bool ok;
    FolderChoice choice;
    const char* dir;
};

class StartArgumentsTest : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(StartArgumentsTest, ReadsTheFolderOptions) {
    const ArgsCase& c = GetParam();
    const StartArguments got = ParseStartArguments(c.args);
    EXPECT_EQ(got.ok, c.ok);
    EXPECT_EQ(got.choice, c.choice);
    EXPECT_EQ(got.dir, fs::path(c.dir));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartArgumentsTest,
    ::testing::Values(
        ArgsCase{"None", {}, true, FolderChoice::kProgram, ""},
        ArgsCase{
            "Dir", {"--dir", "/srv/dati ditta"}, true, FolderChoice::kGiven, "/srv/dati ditta"},
        ArgsCase{"DirNamedLikeAnOption",
                 {"--dir", "--user-dir"},
                 true,
                 FolderChoice::kGiven,
                 "--user-dir"},
        ArgsCase{"UserDir", {"--user-dir"}, true, FolderChoice::kUser, ""},
        ArgsCase{"DirWithoutFolder", {"--dir"}, false, FolderChoice::kProgram, ""},
        ArgsCase{"DirEmpty", {"--dir", ""}, false, FolderChoice::kProgram, ""},
        ArgsCase{"BothOptions", {"--dir", "/a", "--user-dir"}, false, FolderChoice::kProgram, ""},
        ArgsCase{"UserDirTwice", {"--user-dir", "--user-dir"}, false, FolderChoice::kProgram, ""},
        ArgsCase{"UnknownWord", {"2026.ric"}, false, FolderChoice::kProgram, ""}),
    testing::ByName());

TEST(OpenDataFolder, WrongArgumentsGiveTheUsage) {
    const DataFolderResult r = OpenDataFolder(ParseStartArguments({"--cartella"}), {});
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.message.find("--dir CARTELLA"), std::string::npos);
}

// A folder given with --dir is opened as it is, absolute and without a
// trailing separator; one that cannot be used is named in the message and
// never created.
TEST(OpenDataFolder, GivenFolderIsCheckedAndNeverCreated) {
    TempFolder tmp;
    fs::create_directory(tmp / "dati");
    WriteBytes(tmp / "file", "x");
    struct {
        std::string dir;
        fs::path folder;
        const char* says;  // nullptr: opened
    } cases[] = {
        {(tmp / "dati").string() + "/", tmp / "dati", nullptr},
        {(tmp / "dati" / ".." / "dati").string(), tmp / "dati", nullptr},
        {(tmp / "nuova").string(), tmp / "nuova", "non esiste"},
        {(tmp / "file").string(), tmp / "file", "non è una cartella"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dir);
        const DataFolderResult r = OpenDataFolder(ParseStartArguments({"--dir", c.dir}), {});
        EXPECT_EQ(r.folder, c.folder);
        if (c.says == nullptr) {
            EXPECT_TRUE(r.ok()) << r.message;
        } else {
            EXPECT_NE(r.message.find(c.says), std::string::npos) << r.message;
            EXPECT_NE(r.message.find("\"" + c.folder.string() + "\""), std::string::npos);
        }
    }
    EXPECT_FALSE(fs::exists(tmp / "nuova"));
}

TEST(OpenDataFolder, RelativeFolderIsMadeAbsolute) {
    TempFolder tmp;
    fs::create_directory(tmp / "dati");
    const fs::path before = fs::current_path();
    fs::current_path(tmp.path());
    const DataFolderResult r = OpenDataFolder(ParseStartArguments({"--dir", "dati"}), {});
    fs::current_path(before);
    EXPECT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.folder, tmp / "dati");
}

TEST(OpenDataFolder, NoOptionOpensTheProgramFolder) {
    TempFolder tmp;
    StartPlaces places;
    places.programFolder = tmp.path();
    const DataFolderResult r = OpenDataFolder(ParseStartArguments({}), places);
    EXPECT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.folder, tmp.path());
}

TEST(OpenDataFolder, FolderWithoutRightsIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write anywhere";
    TempFolder tmp;
    fs::create_directory(tmp / "dati");
    fs::permissions(tmp / "dati", fs::perms::owner_read | fs::perms::owner_exec);
    const DataFolderResult r =
        OpenDataFolder(ParseStartArguments({"--dir", (tmp / "dati").string()}), {});
    fs::permissions(tmp / "dati", fs::perms::owner_all);
    EXPECT_NE(r.message.find("permessi"), std::string::npos) << r.message;
}

// The user's own folder: the installed default password file, the home
// folder, and the places searched for the default.
class UserFolderTest : public ::testing::Test {
  protected:
    UserFolderTest() {
        fs::create_directories(share / "corvelo");
        WriteBytes(share / "corvelo" / "unins000.dll", kDefault);
        fs::create_directory(home);
        places.programFolder = tmp / "bin";
        places.home = home;
        places.installedFiles = {tmp / "bin", share / "corvelo"};
    }
    DataFolderResult Start(FileSystem& fs = DefaultFileSystem()) {
        return OpenDataFolder(ParseStartArguments({"--user-dir"}), places, fs);
    }

    static constexpr const char* kDefault = "[Accesso]\r\nValore=0A1B2C\r\n";
    TempFolder tmp;
    fs::path share = tmp / "share";
    fs::path home = tmp / "home";
    fs::path data = home / "Corvelo";
    StartPlaces places;
};

TEST_F(UserFolderTest, FirstStartCreatesTheFolderWithTheDefaultPassword) {
    const DataFolderResult r = Start();
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.folder, data);
    EXPECT_EQ(ReadBytes(data / "unins000.dll"), kDefault);
    // Nothing else is put there (no temporary file is left either).
    EXPECT_EQ(std::distance(fs::directory_iterator(data), fs::directory_iterator()), 1);
}

TEST_F(UserFolderTest, LaterStartsKeepAPasswordTheUserChanged) {
    ASSERT_TRUE(Start().ok());
    WriteBytes(data / "unins000.dll", "[Accesso]\r\nValore=FFEE\r\n");
    WriteBytes(data / "2026.ric", "r");
    const DataFolderResult r = Start();
    EXPECT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(ReadBytes(data / "unins000.dll"), "[Accesso]\r\nValore=FFEE\r\n");
    EXPECT_EQ(ReadBytes(data / "2026.ric"), "r");
}

TEST_F(UserFolderTest, ExistingFolderWithoutPasswordGetsTheDefault) {
    fs::create_directory(data);
    WriteBytes(data / "Clienti.pro", "c");
    ASSERT_TRUE(Start().ok());
    EXPECT_EQ(ReadBytes(data / "unins000.dll"), kDefault);
    EXPECT_EQ(ReadBytes(data / "Clienti.pro"), "c");
}

// A build tree holds the password file beside the executable: the first
// folder searched that holds one gives it.
TEST_F(UserFolderTest, DefaultComesFromTheFirstFolderThatHoldsIt) {
    fs::create_directory(tmp / "bin");
    fs::create_directory(tmp / "bin" / "unins000.dll");  // not a file: skipped
    EXPECT_EQ(FindInstalledFile(places.installedFiles, "unins000.dll"),
              share / "corvelo" / "unins000.dll");
    fs::remove(tmp / "bin" / "unins000.dll");
    WriteBytes(tmp / "bin" / "unins000.dll", "beside");
    EXPECT_EQ(FindInstalledFile(places.installedFiles, "unins000.dll"),
              tmp / "bin" / "unins000.dll");
    EXPECT_EQ(FindInstalledFile(places.installedFiles, "Guida.pdf"), std::nullopt);
    ASSERT_TRUE(Start().ok());
    EXPECT_EQ(ReadBytes(data / "unins000.dll"), "beside");
}

TEST_F(UserFolderTest, FailuresAreNamedAndLeaveNoPartialFolder) {
    {
        SCOPED_TRACE("no default password file installed");
        fs::remove(share / "corvelo" / "unins000.dll");
        const DataFolderResult r = Start();
        EXPECT_NE(r.message.find("reinstallare"), std::string::npos) << r.message;
        EXPECT_FALSE(fs::exists(data / "unins000.dll"));
        // Once installed again, the next start completes the folder.
        WriteBytes(share / "corvelo" / "unins000.dll", kDefault);
        EXPECT_TRUE(Start().ok());
        EXPECT_EQ(ReadBytes(data / "unins000.dll"), kDefault);
    }
    {
        SCOPED_TRACE("a file where the home folder should be");
        fs::remove_all(home);
        WriteBytes(home, "x");
        const DataFolderResult r = Start();
        EXPECT_NE(r.message.find("impossibile creare"), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(data.string()), std::string::npos);
    }
}

class UserFolderCopyFault : public UserFolderTest, public ::testing::WithParamInterface<IoOp> {};

TEST_P(UserFolderCopyFault, IsReportedAndTheNextStartCompletesTheFolder) {
    FaultFileSystem faulty;
    faulty.FailFrom(GetParam());
    const DataFolderResult r = Start(faulty);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.message.find("copiare il file della password"), std::string::npos) << r.message;
    EXPECT_TRUE(fs::is_empty(data));  // no password file, whole or partial, no temporary
    faulty.Heal();
    EXPECT_TRUE(Start(faulty).ok());
    EXPECT_EQ(ReadBytes(data / "unins000.dll"), kDefault);
}

INSTANTIATE_TEST_SUITE_P(Steps, UserFolderCopyFault,
                         ::testing::Values(IoOp::kCreate, IoOp::kWrite, IoOp::kFlush,
                                           IoOp::kRename),
                         [](const auto& info) { return testing::StepName(info.param); });

}  // namespace
}  // namespace corvelo

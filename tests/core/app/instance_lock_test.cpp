#include "core/app/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <string>

#include "support/case_names.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// This computer as the tests see it: process 5000 of host "ufficio", and
// the processes that run, each with its program.
class FakeEnvironment : public LockEnvironment {
  public:
    std::int64_t pid = 5000;
    std::map<std::int64_t, std::string> running = {{77, "corvelo"}, {78, "bash"}};
    bool writable = true;  // false: a read-only folder

    std::int64_t Pid() const override { return pid; }
    std::string AppName() const override { return "corvelo"; }
    std::string HostName() const override { return "ufficio"; }
    std::string MachineId() const override { return "m1"; }
    std::string BootId() const override { return "b1"; }
    bool IsRunning(std::int64_t p, std::string_view app) const override {
        const auto it = running.find(p);
        return it != running.end() && it->second == app;
    }
    Created CreateExclusive(const std::filesystem::path& path, std::string_view bytes) override {
        if (!writable) return std::filesystem::exists(path) ? Created::kExists : Created::kFailed;
        return LockEnvironment::CreateExclusive(path, bytes);
    }
    bool Remove(const std::filesystem::path& path) override {
        return writable && LockEnvironment::Remove(path);
    }
};

const std::string kOurs = "5000\ncorvelo\nufficio\nm1\nb1\n";

class InstanceLockTest : public ::testing::Test {
  protected:
    std::filesystem::path LockFile() const { return dir / "Corvelo.lock"; }
    TempFolder dir;
    FakeEnvironment env;
};

TEST_F(InstanceLockTest, FreeFolderIsTakenAndFreedAgain) {
    {
        InstanceLock lock(dir.path(), env);
        EXPECT_EQ(lock.Acquire(), LockState::kTaken);
        EXPECT_EQ(ReadBytes(LockFile()), kOurs);
        EXPECT_EQ(lock.path(), LockFile());
    }
    EXPECT_FALSE(std::filesystem::exists(LockFile()));
}

TEST_F(InstanceLockTest, RunningCopyKeepsItsLockHoweverOld) {
    FakeEnvironment first = env;
    first.pid = 77;
    InstanceLock held(dir.path(), first);
    ASSERT_EQ(held.Acquire(), LockState::kTaken);
    const std::string bytes = ReadBytes(LockFile());
    std::filesystem::last_write_time(
        LockFile(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(48));
    {
        InstanceLock second(dir.path(), env);
        EXPECT_EQ(second.Acquire(), LockState::kRunningHere);
        EXPECT_EQ(second.holder().pid, 77);
    }
    EXPECT_EQ(ReadBytes(LockFile()), bytes) << "a refused copy touches nothing";
    held.Release();
    InstanceLock after(dir.path(), env);
    EXPECT_EQ(after.Acquire(), LockState::kTaken);
}

struct FoundCase {
    const char* name;
    std::string lock;  // the file already in the folder; "-": none
    bool writable;
    LockState state;
};

class LockFound : public InstanceLockTest, public ::testing::WithParamInterface<FoundCase> {};

// A lock is taken over exactly when no running copy of this computer holds
// it; where it cannot be removed the copy goes on unguarded. A lock that is
// not taken over is left exactly as it was.
TEST_P(LockFound, IsTakenOverOnlyWhenNoCopyRuns) {
    const FoundCase& c = GetParam();
    if (c.lock != "-") WriteBytes(LockFile(), c.lock);
    InstanceLock lock(dir.path(), env);
    env.writable = c.writable;
    EXPECT_EQ(lock.Acquire(), c.state);
    if (c.state == LockState::kTaken) {
        EXPECT_EQ(ReadBytes(LockFile()), kOurs);
    } else if (c.lock != "-") {
        EXPECT_EQ(ReadBytes(LockFile()), c.lock);
    } else {
        EXPECT_FALSE(std::filesystem::exists(LockFile()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locks, LockFound,
    ::testing::Values(
        FoundCase{"running_copy", "77\ncorvelo\nufficio\nm1\nb1\n", true, LockState::kRunningHere},
        FoundCase{"process_gone", "99\ncorvelo\nufficio\nm1\nb1\n", true, LockState::kTaken},
        FoundCase{"id_reused_by_another_program", "78\ncorvelo\nufficio\nm1\nb1\n", true,
                  LockState::kTaken},
        FoundCase{"written_before_a_restart", "77\ncorvelo\nufficio\nm1\nb0\n", true,
                  LockState::kTaken},
        // This process's own id, but it holds no lock there.
        FoundCase{"own_id_left_by_an_earlier_process", kOurs, true, LockState::kTaken},
        // Three lines, as older programs wrote: the host name decides.
        FoundCase{"three_lines_running", "77\ncorvelo\nufficio\n", true, LockState::kRunningHere},
        FoundCase{"three_lines_gone", "99\ncorvelo\nufficio\n", true, LockState::kTaken},
        FoundCase{"crlf_lines_running", "77\r\ncorvelo\r\nufficio\r\n", true,
                  LockState::kRunningHere},
        FoundCase{"empty_file", "", true, LockState::kTaken},
        FoundCase{"damaged_file", "x7\ncorvelo\n", true, LockState::kTaken},
        FoundCase{"other_host", "77\ncorvelo\ncassa\nm2\nb1\n", true, LockState::kOtherHost},
        // The machine id tells two computers of the same name apart.
        FoundCase{"same_name_other_machine", "77\ncorvelo\nufficio\nm2\nb1\n", true,
                  LockState::kOtherHost},
        FoundCase{"read_only_free", "-", false, LockState::kUnguarded},
        FoundCase{"read_only_process_gone", "99\ncorvelo\nufficio\nm1\nb1\n", false,
                  LockState::kUnguarded},
        FoundCase{"read_only_running_copy", "77\ncorvelo\nufficio\nm1\nb1\n", false,
                  LockState::kRunningHere},
        FoundCase{"read_only_other_host", "77\ncorvelo\ncassa\nm2\nb1\n", false,
                  LockState::kOtherHost}),
    testing::ByName());

TEST_F(InstanceLockTest, OtherHostsLockIsTakenOverOnlyWhenAsked) {
    const std::string theirs = "77\ncorvelo\ncassa\nm2\nb1\n";
    WriteBytes(LockFile(), theirs);
    InstanceLock lock(dir.path(), env);
    ASSERT_EQ(lock.Acquire(), LockState::kOtherHost);
    EXPECT_EQ(lock.holder().host, "cassa");
    EXPECT_EQ(ReadBytes(LockFile()), theirs);
    EXPECT_EQ(lock.TakeOver(), LockState::kTaken);
    EXPECT_EQ(ReadBytes(LockFile()), kOurs);
}

TEST_F(InstanceLockTest, OtherHostsLockThatCannotBeRemovedLeavesTheCopyUnguarded) {
    WriteBytes(LockFile(), "77\ncorvelo\ncassa\nm2\nb1\n");
    InstanceLock lock(dir.path(), env);
    ASSERT_EQ(lock.Acquire(), LockState::kOtherHost);
    env.writable = false;
    EXPECT_EQ(lock.TakeOver(), LockState::kUnguarded);
}

TEST_F(InstanceLockTest, ReleaseLeavesALockThatIsNoLongerOurs) {
    InstanceLock lock(dir.path(), env);
    ASSERT_EQ(lock.Acquire(), LockState::kTaken);
    // Another computer took the folder over meanwhile.
    WriteBytes(LockFile(), "12\ncorvelo\ncassa\nm2\nb1\n");
    lock.Release();
    EXPECT_EQ(ReadBytes(LockFile()), "12\ncorvelo\ncassa\nm2\nb1\n");
}

TEST_F(InstanceLockTest, MessagesNameTheLockFileByItsFullPath) {
    WriteBytes(LockFile(), "77\ncorvelo\ncassa\nm2\nb1\n");
    InstanceLock lock(dir.path(), env);
    lock.Acquire();
    const std::string file = "File di blocco: " + LockFile().string();
    EXPECT_EQ(SecondCopyMessage(lock),
              "Attenzione: Corvelo è già in esecuzione su questa cartella di lavoro.\r\n\r\n"
              "Chiudere la copia aperta prima di avviarne un'altra.\r\n\r\n" +
                  file);
    EXPECT_NE(OtherHostQuestion(lock).find("sul computer \"cassa\""), std::string::npos);
    EXPECT_NE(OtherHostQuestion(lock).find(file + "\r\n\r\n"), std::string::npos);
    EXPECT_NE(CliLockedMessage(lock).find("\"cassa\""), std::string::npos);
    EXPECT_TRUE(CliLockedMessage(lock).ends_with("\n" + file));

    // A relative folder is named in full too.
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    InstanceLock relative(".", env);
    std::filesystem::current_path(here);
    EXPECT_EQ(relative.path(), LockFile());
}

TEST(LockFile, BytesReadBack) {
    const LockHolder holder{4321, "corvelo-cli", "ufficio", "abc", "d-e"};
    EXPECT_EQ(LockFileBytes(holder), "4321\ncorvelo-cli\nufficio\nabc\nd-e\n");
    const auto back = ParseLockFile(LockFileBytes(holder));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->pid, 4321);
    EXPECT_EQ(back->app, "corvelo-cli");
    EXPECT_EQ(back->bootId, "d-e");
    for (const char* bad : {"", "\n", "0\n", "-5\n", "12a\n", "99999999999999999999\n"}) {
        EXPECT_FALSE(ParseLockFile(bad).has_value()) << bad;
    }
}

// The real computer: this process runs this program, an ended child runs
// nothing (reaped or not), and two locks of one folder in this process
// exclude each other.
TEST(SystemLockEnvironment, TellsRunningProcessesApart) {
    LockEnvironment& env = SystemLockEnvironment();
    EXPECT_EQ(env.AppName(), "test_core_app");
    EXPECT_TRUE(env.IsRunning(env.Pid(), env.AppName()));
    EXPECT_FALSE(env.IsRunning(env.Pid(), "corvelo-altro"));
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    // Ended but not yet reaped, as a copy killed a moment ago.
    siginfo_t info{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT), 0);
    EXPECT_FALSE(env.IsRunning(child, ""));
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(env.IsRunning(child, ""));
    EXPECT_FALSE(env.IsRunning(0, ""));

    TempFolder dir;
    InstanceLock first(dir.path());
    ASSERT_EQ(first.Acquire(), LockState::kTaken);
    InstanceLock second(dir.path());
    EXPECT_EQ(second.Acquire(), LockState::kRunningHere);
    first.Release();
    EXPECT_EQ(second.Acquire(), LockState::kTaken);
}

}  // namespace
}  // namespace corvelo

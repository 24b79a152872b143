// The single-copy lock of a data folder: the file Corvelo.lock, held by the
// copy of the application (or the corvelo-cli command) that writes into the
// folder, so that two of them never write the same files at once.
//
// The file holds five lines, each ended by "\n": the process id, the
// program's name, the host name, the machine id and the boot id (the last
// two may be empty or missing in files written by older programs). A lock is
// held by a running copy only when it names a process of this computer that
// still runs the named program since the same boot; any other lock of this
// computer is left over by a copy that ended without removing it, and is
// taken over. A lock written on another computer (the folder is shared)
// cannot be checked from here: the front end asks the user before taking it
// over.
//
//   InstanceLock lock(folder);
//   switch (lock.Acquire()) { ... }   // released when `lock` goes
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvelo {

// What a lock needs of the computer: who this process is, whether another
// one runs, and the lock file itself. Tests derive from it to stand in for
// other processes, other hosts and folders that refuse a change.
class LockEnvironment {
  public:
    virtual ~LockEnvironment() = default;

    virtual std::int64_t Pid() const;
    // The program's name: the base name of this process's executable.
    virtual std::string AppName() const;
    virtual std::string HostName() const;
    // The machine id and the boot id of this computer, "" when unknown.
    virtual std::string MachineId() const;
    virtual std::string BootId() const;
    // Whether process `pid` of this computer exists and runs the program
    // `app` (when the program of a process cannot be told, it counts as
    // running `app`).
    virtual bool IsRunning(std::int64_t pid, std::string_view app) const;

    enum class Created { kYes, kExists, kFailed };
    // Creates the file at `path` only if it does not exist, with `bytes`,
    // flushed to disk. A file created but not written whole is removed.
    virtual Created CreateExclusive(const std::filesystem::path& path, std::string_view bytes);
    // The bytes of the file at `path`; nullopt when it cannot be read.
    virtual std::optional<std::string> Read(const std::filesystem::path& path) const;
    // Removes the file at `path`; false when it is still there.
    virtual bool Remove(const std::filesystem::path& path);
};

// The real computer.
LockEnvironment& SystemLockEnvironment();

// Who wrote a lock file, as its lines say.
struct LockHolder {
    std::int64_t pid = 0;
    std::string app;
    std::string host;
    std::string machineId;
    std::string bootId;
};

// The bytes of a lock file for `holder`.
std::string LockFileBytes(const LockHolder& holder);
// Reads the bytes of a lock file; nullopt when the first line is not a
// process id (an empty or damaged file, which no running copy leaves).
std::optional<LockHolder> ParseLockFile(std::string_view bytes);

enum class LockState {
    kNone,         // not tried yet, or released
    kTaken,        // this copy holds the lock; the file goes with the object
    kRunningHere,  // a running copy on this computer holds it: holder()
    kOtherHost,    // written on another computer, where it may still run: holder()
    kUnguarded,    // no lock can be held here (the folder refuses new files, or
                   // a lock left over cannot be removed) and no running copy
                   // holds one: go on without, file access reports its own failures
};

class InstanceLock {
  public:
    static constexpr std::string_view kFileName = "Corvelo.lock";

    // The lock of the data folder `folder`. `env` must outlive the object.
    explicit InstanceLock(const std::filesystem::path& folder,
                          LockEnvironment& env = SystemLockEnvironment());
    ~InstanceLock();  // Release()
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries to take the lock, taking over one left over by a copy of this
    // computer that no longer runs. Never waits and never removes the lock
    // of a running copy or of another computer.
    LockState Acquire();
    // After kOtherHost, once the user has agreed: removes that lock (if it is
    // still the one read) and tries again as Acquire does.
    LockState TakeOver();
    // Removes the lock file if this object holds it and it is still ours.
    void Release();

    LockState state() const { return state_; }
    // The holder behind kRunningHere and kOtherHost.
    const LockHolder& holder() const { return holder_; }
    // The lock file's full path.
    const std::filesystem::path& path() const { return path_; }

  private:
    LockState TryOnce(bool* retry);

    LockEnvironment& env_;
    std::filesystem::path path_;
    std::string ours_;   // the bytes this copy writes
    std::string found_;  // the bytes of the lock found in the way
    LockHolder holder_;
    LockState state_ = LockState::kNone;
};

// The messages of the lock, each naming the lock file by its full path.
// The application refuses to start a second copy (a plain message):
std::string SecondCopyMessage(const InstanceLock& lock);
// The application asks whether to take over the lock of another computer
// (a confirmation; the lock is taken over unless the answer is No):
std::string OtherHostQuestion(const InstanceLock& lock);
// corvelo-cli refuses a command that writes into the folder (standard error):
std::string CliLockedMessage(const InstanceLock& lock);

}  // namespace corvelo

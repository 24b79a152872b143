#include "core/app/instance_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

namespace corvelo {
namespace {

// The locks this process holds, so that a lock naming this very process is
// told apart from one left over by an earlier process with the same id.
std::set<std::filesystem::path>& HeldHere() {
    static std::set<std::filesystem::path> held;
    return held;
}

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string FirstFileOf(std::initializer_list<const char*> paths) {
    for (const char* path : paths) {
        std::ifstream in(path, std::ios::binary);
        if (!in) continue;
        std::string text = Trimmed(std::string(std::istreambuf_iterator<char>(in), {}));
        if (!text.empty()) return text;
    }
    return {};
}

// The base name of the executable a /proc link points to; "" when unknown.
std::string ExecutableName(const std::string& link) {
    std::error_code ec;
    std::string target = std::filesystem::read_symlink(link, ec).filename().string();
    if (ec) return {};
    // An executable replaced on disk while it runs.
    static constexpr std::string_view kDeleted = " (deleted)";
    if (target.size() > kDeleted.size() && target.ends_with(kDeleted)) {
        target.resize(target.size() - kDeleted.size());
    }
    return target;
}

// The state letter of a process ("R", "S", "Z" for one that has ended...),
// '\0' when unknown.
char ProcessState(std::int64_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    std::getline(in, stat);
    // "pid (name) S ...": the name may hold blanks and brackets itself.
    const std::size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() ? stat[close + 2] : '\0';
}

std::filesystem::path LockPath(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / InstanceLock::kFileName;
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal();
}

}  // namespace

std::int64_t LockEnvironment::Pid() const {
    return ::getpid();
}

std::string LockEnvironment::AppName() const {
    const std::string name = ExecutableName("/proc/self/exe");
    return name.empty() ? "corvelo" : name;
}

std::string LockEnvironment::HostName() const {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::string LockEnvironment::MachineId() const {
    return FirstFileOf({"/etc/machine-id", "/var/lib/dbus/machine-id"});
}

std::string LockEnvironment::BootId() const {
    return FirstFileOf({"/proc/sys/kernel/random/boot_id"});
}

bool LockEnvironment::IsRunning(std::int64_t pid, std::string_view app) const {
    if (pid <= 0 || pid > INT_MAX) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    // A process that has ended but is not yet reaped still answers kill.
    if (const char state = ProcessState(pid); state == 'Z' || state == 'X') return false;
    const std::string running = ExecutableName("/proc/" + std::to_string(pid) + "/exe");
    return running.empty() || app.empty() || running == app;
}

LockEnvironment::Created LockEnvironment::CreateExclusive(const std::filesystem::path& path,
                                                          std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno == EEXIST ? Created::kExists : Created::kFailed;
    bool whole = true;
    for (std::size_t done = 0; whole && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            whole = false;
        }
    }
    whole = whole && ::fsync(fd) == 0;
    whole = ::close(fd) == 0 && whole;
    if (!whole) {
        ::unlink(path.c_str());
        return Created::kFailed;
    }
    return Created::kYes;
}

std::optional<std::string> LockEnvironment::Read(const std::filesystem::path& path) const {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool LockEnvironment::Remove(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !ec;
}

LockEnvironment& SystemLockEnvironment() {
    static LockEnvironment system;
    return system;
}

std::string LockFileBytes(const LockHolder& h) {
    return std::to_string(h.pid) + "\n" + h.app + "\n" + h.host + "\n" + h.machineId + "\n" +
           h.bootId + "\n";
}

std::optional<LockHolder> ParseLockFile(std::string_view bytes) {
    std::string lines[5];
    for (std::string& line : lines) {
        const std::size_t end = bytes.find('\n');
        line = std::string(bytes.substr(0, end));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    const std::string& pid = lines[0];
    if (pid.empty() || pid.size() > 18 ||
        pid.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    LockHolder holder{std::stoll(pid), lines[1], lines[2], lines[3], lines[4]};
    if (holder.pid <= 0) return std::nullopt;
    return holder;
}

InstanceLock::InstanceLock(const std::filesystem::path& folder, LockEnvironment& env)
    : env_(env),
      path_(LockPath(folder)),
      ours_(LockFileBytes(
          {env.Pid(), env.AppName(), env.HostName(), env.MachineId(), env.BootId()})) {}

InstanceLock::~InstanceLock() {
    Release();
}

LockState InstanceLock::Acquire() {
    if (state_ == LockState::kTaken) return state_;
    // A lock left over is removed and the lock tried again; a few rounds are
    // enough unless other copies keep starting and ending meanwhile.
    for (int round = 0; round < 3; ++round) {
        bool retry = false;
        state_ = TryOnce(&retry);
        if (!retry) return state_;
    }
    return state_ = LockState::kUnguarded;
}

LockState InstanceLock::TryOnce(bool* retry) {
    switch (env_.CreateExclusive(path_, ours_)) {
        case LockEnvironment::Created::kYes:
            HeldHere().insert(path_);
            return LockState::kTaken;
        case LockEnvironment::Created::kFailed:
            return LockState::kUnguarded;
        case LockEnvironment::Created::kExists:
            break;
    }
    const std::optional<std::string> bytes = env_.Read(path_);
    if (!bytes) return LockState::kUnguarded;
    found_ = *bytes;
    holder_ = {};
    if (const std::optional<LockHolder> holder = ParseLockFile(found_)) {
        holder_ = *holder;
        const std::string machine = env_.MachineId();
        const bool sameHost = !holder_.machineId.empty() && !machine.empty()
                                  ? holder_.machineId == machine
                                  : holder_.host.empty() || holder_.host == env_.HostName();
        if (!sameHost) return LockState::kOtherHost;
        const std::string boot = env_.BootId();
        const bool rebooted = !holder_.bootId.empty() && !boot.empty() && holder_.bootId != boot;
        const bool running =
            !rebooted && (holder_.pid == env_.Pid() ? HeldHere().count(path_) > 0
                                                    : env_.IsRunning(holder_.pid, holder_.app));
        if (running) return LockState::kRunningHere;
    }
    // Left over (or damaged): remove it, unless another copy replaced it
    // meanwhile, and try again.
    if (env_.Read(path_) == found_ && !env_.Remove(path_)) return LockState::kUnguarded;
    *retry = true;
    return LockState::kNone;
}

LockState InstanceLock::TakeOver() {
    if (state_ != LockState::kOtherHost) return state_;
    if (env_.Read(path_) == found_ && !env_.Remove(path_)) return state_ = LockState::kUnguarded;
    return Acquire();
}

void InstanceLock::Release() {
    if (state_ != LockState::kTaken) return;
    if (env_.Read(path_) == ours_) env_.Remove(path_);
    HeldHere().erase(path_);
    state_ = LockState::kNone;
}

std::string SecondCopyMessage(const InstanceLock& lock) {
    return "Attenzione: Corvelo è già in esecuzione su questa cartella di lavoro.\r\n\r\n"
           "Chiudere la copia aperta prima di avviarne un'altra.\r\n\r\n"
           "File di blocco: " +
           lock.path().string();
}

std::string OtherHostQuestion(const InstanceLock& lock) {
    return "Attenzione: la cartella di lavoro risulta in uso da Corvelo sul computer \"" +
           lock.holder().host +
           "\".\r\n\r\n"
           "Se Corvelo non è aperto su quel computer, il blocco è rimasto da una chiusura "
           "non regolare e può essere rimosso.\r\n\r\n"
           "File di blocco: " +
           lock.path().string() + "\r\n\r\nRimuovere il blocco e continuare?";
}

std::string CliLockedMessage(const InstanceLock& lock) {
    const std::string file = "File di blocco: " + lock.path().string();
    if (lock.state() == LockState::kOtherHost) {
        return "Attenzione: la cartella di lavoro risulta in uso da Corvelo sul computer \"" +
               lock.holder().host +
               "\": il comando non scrive nella cartella.\n"
               "Se Corvelo non è aperto su quel computer, eliminare il file di blocco e ripetere "
               "il comando.\n" +
               file;
    }
    return "Attenzione: Corvelo è in esecuzione su questa cartella di lavoro (processo " +
           std::to_string(lock.holder().pid) +
           "): il comando non scrive nella cartella finché l'applicazione è aperta.\n"
           "Chiudere l'applicazione e ripetere il comando.\n" +
           file;
}

}  // namespace corvelo

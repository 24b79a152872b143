// Kills a child that saves cards and files, again and again at random
// moments, and checks after every kill that the disk holds what the saves
// promised: every acknowledged card as written and nothing else changed, a
// partial card at the end never counted and overwritten by the next new
// card, every file replaced whole either the old one or the new one, and no
// temporary file left once a later write of its file succeeded.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

#include "core/app/password.h"
#include "core/app/settings_file.h"
#include "core/app/settings_names.h"
#include "core/receipts/receipt_numbering.h"
#include "core/storage/archive_scan.h"
#include "core/storage/record_file.h"
#include "core/storage/record_scan.h"
#include "core/storage/record_table.h"
#include "core/storage/text.h"
#include "core/storage/undo_file.h"
#include "crash/crash_saves.h"

namespace corvelo::crash {
namespace {

namespace fs = std::filesystem;

std::size_t EnvNumber(const char* name, std::size_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<std::size_t>(std::strtoull(text, nullptr, 10)) : fallback;
}

std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// How a record differs from the old bytes and the new ones: where each
// stops matching, and whether it is the new bytes up to some offset and the
// old ones after it (a write cut part way).
std::string Torn(std::string_view disk, std::string_view old, std::string_view next) {
    auto first_difference = [&](std::string_view other) {
        std::size_t i = 0;
        while (i < disk.size() && i < other.size() && disk[i] == other[i]) ++i;
        return i;
    };
    const std::size_t cut = first_difference(next);
    const bool torn = disk.substr(cut) == old.substr(std::min(cut, old.size()));
    return " (differs from the old card at byte " + std::to_string(first_difference(old)) +
           ", from the new one at byte " + std::to_string(cut) +
           (torn ? "; the new card up to there, the old one after: a write cut part way)" : ")");
}

// What one run of the child said: its acknowledged steps (with the card
// each save reported) and the step it had begun but not finished.
struct RunLog {
    std::vector<std::string> acked_cards;
    bool in_flight = false;
    std::string failure;  // a "fail" line, or how the child ended unexpectedly
};

RunLog ParseLog(const std::string& output) {
    RunLog log;
    std::istringstream in(output);
    std::string line;
    // Each line reaches the pipe in one write, so none is ever cut.
    while (std::getline(in, line) && log.failure.empty()) {
        std::istringstream fields(line);
        std::string word;
        std::size_t step = 0;
        fields >> word >> step;
        const bool next = step == log.acked_cards.size();
        if (word == "go" && next && !log.in_flight) {
            log.in_flight = true;
        } else if (word == "ack" && next && log.in_flight) {
            std::string card;
            fields >> card;
            log.acked_cards.push_back(card);
            log.in_flight = false;
        } else {
            log.failure = line;
        }
    }
    return log;
}

struct Counters {
    std::size_t kills = 0;
    std::size_t kills_mid_save = 0;  // after an ack, with a save begun and not acknowledged
    std::size_t early_kills = 0;     // before the first ack
    std::size_t acked_checked = 0;
    std::size_t in_flight_landed = 0;
    std::size_t in_flight_not_landed = 0;
    std::size_t files_checked = 0;
    std::size_t partial_tails_seen = 0;  // left by a kill
    std::size_t undo_files_applied = 0;  // overwrites cut by a kill, put back
    std::size_t torn_tails_added = 0;    // put there by the test, as a power cut would
    std::size_t temporaries_seen = 0;    // left by a killed replacement
};

// The files of the data folder as they must be.
class Model {
  public:
    explicit Model(fs::path dir) : dir_(std::move(dir)) {}

    const fs::path& dir() const { return dir_; }

    Counts counts() const {
        Counts c{};
        for (std::size_t a = 0; a < kArchiveCount; ++a) c[a] = archives_[a].records.size();
        return c;
    }

    // Reads a file as it is now into the model (the password file before
    // the first run).
    void Adopt(Kind kind) { files_[Whole(kind)] = ReadBytes(dir_ / FileName(kind)); }

    // The bytes the save of `step` writes, computed from the model as the
    // child saw it.
    std::string Expected(const Save& save) const {
        if (!IsArchive(save.kind)) {
            const std::optional<std::string>& old = files_[Whole(save.kind)];
            return WholeFileBytes(save, old ? *old : std::string());
        }
        const ArchiveModel& a = archives_[static_cast<std::size_t>(save.kind)];
        const std::string* shown = save.card ? &a.records[save.card - 1] : nullptr;
        switch (save.kind) {
            case Kind::kReceipt:
                return ReceiptRecord(
                    ReceiptTextsFor(save, shown ? DecodeRecord<TRicevuta>(*shown) : std::nullopt,
                                    std::to_string(a.records.size() + 1), DateText(kToday)));
            case Kind::kCustomer:
                return CustomerRecord(
                    CustomerTextsFor(save, shown ? DecodeRecord<TCliente>(*shown) : std::nullopt));
            default:
                return ItemRecord(
                    ItemTextsFor(save, shown ? DecodeRecord<TArticolo>(*shown) : std::nullopt));
        }
    }

    // Applies an acknowledged save; the card the child reported must be the
    // one the save went to (the next number for a new card).
    std::string Acknowledge(const Save& save, const std::string& bytes, const std::string& card) {
        if (!IsArchive(save.kind)) {
            files_[Whole(save.kind)] = bytes;
            return card == "0" ? "" : "a file save reported card " + card;
        }
        ArchiveModel& a = archives_[static_cast<std::size_t>(save.kind)];
        const std::size_t index = save.card ? save.card - 1 : a.records.size();
        if (card != std::to_string(index + 1)) {
            return FileName(save.kind) + ": saved as card " + card + ", expected " +
                   std::to_string(index + 1);
        }
        Put(a, index, bytes);
        return {};
    }

    // Compares the disk with the model, `pending` being the save begun and
    // not acknowledged (its bytes `candidate`), which may or may not have
    // landed; the model then follows what is on disk.
    std::string Check(const std::optional<Save>& pending, const std::string& candidate,
                      Counters& n) {
        for (std::size_t a = 0; a < kArchiveCount; ++a) {
            const bool mine = pending && static_cast<std::size_t>(pending->kind) == a;
            if (std::string e =
                    CheckArchive(static_cast<Kind>(a), mine ? &*pending : nullptr, candidate, n);
                !e.empty()) {
                return e;
            }
            ++n.files_checked;
        }
        for (std::size_t w = 0; w < kWholeFileCount; ++w) {
            const Kind kind = static_cast<Kind>(kArchiveCount + w);
            const std::optional<std::string> now = ReadBytes(dir_ / FileName(kind));
            const bool mine = pending && pending->kind == kind;
            if (now == files_[w]) {
                if (mine) ++n.in_flight_not_landed;
            } else if (mine && now == candidate) {
                files_[w] = now;
                ++n.in_flight_landed;
            } else {
                return FileName(kind) +
                       (now ? " is neither the old file nor the new one" : " is missing");
            }
            ++n.files_checked;
        }
        return {};
    }

    // Appends part of a record to an archive, as a power cut in the middle
    // of an append could leave it.
    void AddTornTail(std::size_t archive, std::mt19937_64& random) {
        ArchiveModel& a = archives_[archive];
        const std::size_t size = RecordSize(static_cast<Kind>(archive));
        const std::size_t keep = std::max<std::size_t>(a.tail.size(), 1 + random() % (size - 1));
        std::string tail = a.tail;
        while (tail.size() < keep) tail += static_cast<char>('A' + random() % 26);
        std::ofstream(dir_ / FileName(static_cast<Kind>(archive)), std::ios::binary | std::ios::app)
            << tail.substr(a.tail.size());
        a.tail = tail;
    }

  private:
    struct ArchiveModel {
        std::vector<std::string> records;
        std::string tail;  // a partial record after the last whole one
    };

    static std::size_t Whole(Kind kind) { return static_cast<std::size_t>(kind) - kArchiveCount; }

    static void Put(ArchiveModel& a, std::size_t index, const std::string& bytes) {
        if (index == a.records.size()) {
            a.records.push_back(bytes);
            a.tail.clear();  // the new card lies over it
        } else {
            a.records[index] = bytes;
        }
    }

    std::string CheckArchive(Kind kind, const Save* pending, const std::string& candidate,
                             Counters& n) {
        ArchiveModel& a = archives_[static_cast<std::size_t>(kind)];
        const fs::path path = dir_ / FileName(kind);
        const std::string name = FileName(kind);
        const std::size_t size = RecordSize(kind);
        const std::string raw = ReadBytes(path).value_or("");
        const std::size_t whole = raw.size() / size;
        const std::size_t model = a.records.size();
        const std::size_t target =
            pending ? (pending->card ? pending->card - 1 : model) : model + 1;

        for (std::size_t k = 0; k < std::min(whole, model); ++k) {
            const std::string_view on_disk = std::string_view(raw).substr(k * size, size);
            if (on_disk == a.records[k]) {
                if (k == target && a.records[k] != candidate) ++n.in_flight_not_landed;
                continue;
            }
            if (k == target && on_disk == candidate) {
                a.records[k] = candidate;
                ++n.in_flight_landed;
                continue;
            }
            return name + ": card " + std::to_string(k + 1) + " changed" +
                   Torn(on_disk, a.records[k], k == target ? candidate : a.records[k]);
        }
        if (whole < model) return name + ": lost cards after " + std::to_string(whole);
        if (whole > model + 1 || (whole == model + 1 && target != model)) {
            return name + ": holds " + std::to_string(whole) + " cards, expected " +
                   std::to_string(model);
        }
        const std::string_view rest = std::string_view(raw).substr(whole * size);
        if (whole == model + 1) {
            if (raw.compare(model * size, size, candidate) != 0) {
                return name + ": the card appended is not the one being saved";
            }
            if (!rest.empty()) return name + ": bytes after the card appended";
            Put(a, model, candidate);
            ++n.in_flight_landed;
        } else if (rest != a.tail) {
            // Only the append begun may have left part of its card, over
            // whatever partial card was there.
            const bool overlay = target == model && rest.size() >= a.tail.size() && [&] {
                std::size_t same = 0;
                while (same < rest.size() && rest[same] == candidate[same]) ++same;
                return same == rest.size() ||
                       (same < a.tail.size() && rest.substr(same) == a.tail.substr(same));
            }();
            if (!overlay) return name + ": the bytes after the last card changed";
            a.tail = std::string(rest);
            ++n.partial_tails_seen;
            ++n.in_flight_not_landed;
        } else if (pending && target == model) {
            ++n.in_flight_not_landed;
        }
        return CheckReaders(kind);
    }

    // Every reader sees the whole cards, and only them.
    std::string CheckReaders(Kind kind) const {
        const ArchiveModel& a = archives_[static_cast<std::size_t>(kind)];
        const fs::path path = dir_ / FileName(kind);
        const std::string name = FileName(kind);
        const std::size_t size = RecordSize(kind);
        const std::size_t count = a.records.size();

        const Result<std::size_t> counted = CountRecords(path, size);
        if (!counted.ok() || counted.value != count) return name + ": CountRecords is wrong";
        RecordFile file;
        if (!file.OpenOrCreate(path, size).ok() || file.RecordCount() != count ||
            file.TrailingBytes() != a.tail.size() || !file.CloseRecordFile().ok()) {
            return name + ": RecordFile counts a partial card";
        }
        std::size_t scanned = 0;
        bool same = true;
        const Status scan =
            ArchiveReader::Scan(path, size, [&](const char* record, std::size_t card) {
                same = same && card == scanned + 1 && card <= count &&
                       std::string_view(record, size) == a.records[card - 1];
                ++scanned;
            });
        if (!scan.ok() || scanned != count || !same) return name + ": ArchiveReader is wrong";
        std::size_t visited = 0;
        auto visit = [&](const auto&, std::size_t card) { visited = card; };
        Status records;
        switch (kind) {
            case Kind::kReceipt:
                records = ScanRecords<TRicevuta>(path, visit);
                break;
            case Kind::kCustomer:
                records = ScanRecords<TCliente>(path, visit);
                break;
            default:
                records = ScanRecords<TArticolo>(path, visit);
                break;
        }
        if (!records.ok() || visited != count) return name + ": ScanRecords is wrong";
        if (kind == Kind::kReceipt) {
            const NewReceiptProposal p = ProposeNewReceipt(path, "", "No", kToday);
            if (p.numero != std::to_string(count + 1)) return name + ": proposes " + p.numero;
        }
        return {};
    }

    fs::path dir_;
    std::array<ArchiveModel, kArchiveCount> archives_;
    std::array<std::optional<std::string>, kWholeFileCount> files_;
};

// The temporary files in the folder, by the file they were to replace;
// anything else that is not one of the data files is an error.
std::string ListTemporaries(const fs::path& dir, std::map<std::string, Kind>* temporaries) {
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        bool known = false;
        for (std::size_t k = 0; k < kKindCount && !known; ++k) {
            const std::string file = FileName(static_cast<Kind>(k));
            if (name == file) {
                known = true;
            } else if (name.starts_with("." + file + ".") && name.ends_with(".tmp")) {
                (*temporaries)[name] = static_cast<Kind>(k);
                known = true;
            }
        }
        if (!known) return "unexpected file in the data folder: " + name;
    }
    return {};
}

struct Child {
    pid_t pid = -1;
    int out = -1;
};

Child Start(const fs::path& dir, std::uint64_t seed, bool settling) {
    int pipe_fds[2];
    if (::pipe2(pipe_fds, O_CLOEXEC) != 0) return {};
    const std::string dir_text = dir.string();
    const std::string seed_text = std::to_string(seed);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipe_fds[1], STDOUT_FILENO);
        const char* args[] = {CORVELO_CRASH_CHILD, dir_text.c_str(), seed_text.c_str(),
                              settling ? "settle" : nullptr, nullptr};
        ::execv(CORVELO_CRASH_CHILD, const_cast<char* const*>(args));
        std::_Exit(127);
    }
    ::close(pipe_fds[1]);
    return {pid, pipe_fds[0]};
}

// Reads what is available within `timeout_ms`; false at the end of the output.
bool ReadSome(int fd, std::string& output, int timeout_ms) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, timeout_ms) <= 0) return true;
    char buffer[4096];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got <= 0) return false;
    output.append(buffer, static_cast<std::size_t>(got));
    return true;
}

// Waits for the child to end by itself; returns its output and exit status.
std::string Finish(Child child, int* status) {
    std::string output;
    while (ReadSome(child.out, output, 10000)) {
    }
    ::close(child.out);
    ::waitpid(child.pid, status, 0);
    return output;
}

class CrashTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvelo-crash-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        if (!HasFailure())
            fs::remove_all(dir_);
        else
            std::printf("data folder kept: %s\n", dir_.c_str());
    }

    // Replays the run's log on the model and checks the folder against it.
    std::string Verify(Model& model, std::uint64_t seed, bool settling, const RunLog& log,
                       std::size_t run) {
        Counts counts = model.counts();
        for (std::size_t step = 0; step < log.acked_cards.size(); ++step) {
            const Save save = PlanSave(seed, step, counts, settling);
            if (std::string e =
                    model.Acknowledge(save, model.Expected(save), log.acked_cards[step]);
                !e.empty()) {
                return "step " + std::to_string(step) + ": " + e;
            }
            if (IsArchive(save.kind) && save.card == 0)
                ++counts[static_cast<std::size_t>(save.kind)];
            acked_run_[save.kind] = run;
            ++n_.acked_checked;
        }
        std::optional<Save> pending;
        std::string candidate;
        if (log.in_flight) {
            pending = PlanSave(seed, log.acked_cards.size(), counts, settling);
            candidate = model.Expected(*pending);
        }
        // What the next start does before anything else: an overwrite cut
        // part way is put back from its undo file.
        for (std::size_t a = 0; a < kArchiveCount; ++a) {
            if (fs::exists(UndoFilePath(model.dir() / FileName(static_cast<Kind>(a))))) {
                ++n_.undo_files_applied;
            }
        }
        if (Status s = RepairArchives(model.dir()); !s.ok()) return "repair: " + s.detail();
        if (std::string e = model.Check(pending, candidate, n_); !e.empty()) return e;

        std::map<std::string, Kind> temporaries;
        if (std::string e = ListTemporaries(model.dir(), &temporaries); !e.empty()) return e;
        for (const auto& [name, kind] : temporaries) {
            const auto [seen, fresh] = first_seen_.emplace(name, run);
            if (fresh) ++n_.temporaries_seen;
            const auto acked = acked_run_.find(kind);
            if (acked != acked_run_.end() && acked->second > seen->second) {
                return name + " left behind after a later write of " + FileName(kind) +
                       " succeeded";
            }
        }
        for (auto it = first_seen_.begin(); it != first_seen_.end();) {
            it = temporaries.count(it->first) ? std::next(it) : first_seen_.erase(it);
        }
        return {};
    }

    fs::path dir_;
    Counters n_;
    std::map<Kind, std::size_t> acked_run_;
    std::map<std::string, std::size_t> first_seen_;
};

TEST_F(CrashTest, EverySaveSurvivesAKill) {
    const std::size_t kills = EnvNumber("CORVELO_CRASH_KILLS", 300);
    const std::uint64_t base = EnvNumber("CORVELO_CRASH_SEED", 20240315);
    std::mt19937_64 random(base);
    Model model(dir_);

    // A new installation: the default password file, nothing else.
    ASSERT_FALSE(WriteSetting(dir_ / FileName(Kind::kPassword), settings::kPasswordSection,
                              settings::kPasswordKey, Trim(ScramblePassword("CORVELO"))));
    model.Adopt(Kind::kPassword);

    // One save of each kind, run to its end: every file exists from here on.
    {
        int status = 0;
        const std::string output = Finish(Start(dir_, base, true), &status);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
        const RunLog log = ParseLog(output);
        ASSERT_EQ(log.acked_cards.size(), kKindCount) << output;
        ASSERT_EQ(Verify(model, base, true, log, 0), "");
    }

    const auto started = std::chrono::steady_clock::now();
    for (std::size_t run = 1; run <= kills; ++run) {
        const std::uint64_t seed = base + run;
        Child child = Start(dir_, seed, false);
        ASSERT_GT(child.pid, 0);
        std::string output;
        // Most kills come a random while after the first acknowledged save;
        // some at any moment from the start.
        const bool early = random() % 8 == 0;
        if (!early) {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (output.find("ack ") == std::string::npos &&
                   std::chrono::steady_clock::now() < deadline &&
                   ReadSome(child.out, output, 100)) {
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (early ? 8000 : 30000)));
        ::kill(child.pid, SIGKILL);
        int status = 0;
        output += Finish(child, &status);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "run " << run << " ended by itself:\n"
            << output;
        ++n_.kills;

        const RunLog log = ParseLog(output);
        ASSERT_EQ(log.failure, "") << "run " << run;
        if (log.acked_cards.empty()) ++n_.early_kills;
        if (!log.acked_cards.empty() && log.in_flight) ++n_.kills_mid_save;
        const std::string fault = Verify(model, seed, false, log, run);
        ASSERT_EQ(fault, "") << "run " << run << " (seed " << seed << ")";

        if (random() % 16 == 0) {
            model.AddTornTail(random() % kArchiveCount, random);
            ++n_.torn_tails_added;
        }
    }

    // A last run to its end: each file written once more, and no temporary
    // file may be left.
    {
        const std::uint64_t seed = base + kills + 1;
        int status = 0;
        const std::string output = Finish(Start(dir_, seed, true), &status);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
        const RunLog log = ParseLog(output);
        ASSERT_EQ(log.acked_cards.size(), kKindCount) << output;
        ASSERT_EQ(Verify(model, seed, true, log, kills + 1), "");
        std::map<std::string, Kind> temporaries;
        ASSERT_EQ(ListTemporaries(dir_, &temporaries), "");
        EXPECT_TRUE(temporaries.empty()) << temporaries.begin()->first << " left behind";
    }

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf(
        "kills %zu (mid-save %zu, before the first ack %zu), acknowledged saves checked %zu, "
        "unacknowledged saves landed %zu / not landed %zu, files checked %zu, partial tails "
        "seen %zu (plus %zu torn tails added), undo files applied %zu, temporary files left by "
        "kills %zu, %.1f s\n",
        n_.kills, n_.kills_mid_save, n_.early_kills, n_.acked_checked, n_.in_flight_landed,
        n_.in_flight_not_landed, n_.files_checked, n_.partial_tails_seen, n_.torn_tails_added,
        n_.undo_files_applied, n_.temporaries_seen, seconds);
}

}  // namespace
}  // namespace corvelo::crash


#include <cstddef>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/app/instance_lock.h"
#include "core/storage/undo_file.h"

namespace corvelo::cli {
namespace {

struct Entry {
    std::string usage;
    Handler handler;
};

std::map<std::string, Entry>& Commands() {
    static std::map<std::string, Entry> commands;
    return commands;
}

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    return self.parent_path();
}

int Usage(std::ostream& err) {
    err << "usage: corvelo-cli [--dir FOLDER] COMMAND [ARGUMENTS]\n";
    for (const auto& [word, entry] : Commands()) err << "  " << entry.usage << "\n";
    return kUsage;
}

}  // namespace

CliCommand::CliCommand(std::string word, std::string usage, Handler handler) {
    Commands()[std::move(word)] = Entry{std::move(usage), std::move(handler)};
}

CliCommand::CliCommand(std::string word, std::string subword, std::string usage, Handler handler) {
    Commands()[word + " " + subword] = Entry{std::move(usage), std::move(handler)};
}

}  // namespace corvelo::cli

int main(int argc, char** argv) {
    using namespace corvelo::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::filesystem::path dir = ExecutableFolder(argv[0]);
    if (args.size() >= 2 && args[0] == "--dir") {
        dir = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) return Usage(std::cerr);
    // A command of two words ("search customers") goes before one of one.
    std::size_t words = 1;
    auto it = Commands().end();
    if (args.size() >= 2) it = Commands().find(args[0] + " " + args[1]);
    if (it != Commands().end()) {
        words = 2;
    } else {
        it = Commands().find(args[0]);
    }
    if (it == Commands().end()) return Usage(std::cerr);
    // Commands that write into the data folder hold its lock, as the
    // application does, while they run.
    std::optional<corvelo::InstanceLock> lock;
    // unload writes a warehouse card the application may be showing: while
    // it runs, the card saved there would put the old stock back.
    if (args[0] == "export" || args[0] == "pdf" || args[0] == "backup" || args[0] == "restore" ||
        args[0] == "unload") {
        const corvelo::LockState state = lock.emplace(dir).Acquire();
        if (state == corvelo::LockState::kRunningHere || state == corvelo::LockState::kOtherHost) {
            std::cerr << corvelo::CliLockedMessage(*lock) << "\n";
            return kFileError;
        }
        corvelo::RepairArchives(dir);  // overwrites cut by a crash
    }
    Context ctx{
        dir, {args.begin() + static_cast<std::ptrdiff_t>(words), args.end()}, std::cout, std::cerr};
    return it->second.handler(ctx);
}

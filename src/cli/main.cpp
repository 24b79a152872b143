
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/cli.h"

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
    if (args.size() >= 2) {
        auto two = Commands().find(args[0] + " " + args[1]);
        if (two != Commands().end()) {
            Context ctx{dir, {args.begin() + 2, args.end()}, std::cout, std::cerr};
            return two->second.handler(ctx);
        }
    }
    auto it = Commands().find(args[0]);
    if (it == Commands().end()) return Usage(std::cerr);
    Context ctx{dir, {args.begin() + 1, args.end()}, std::cout, std::cerr};
    return it->second.handler(ctx);
}

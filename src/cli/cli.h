// The command table of corvelo-cli. Each command lives in a file of its own
// and registers itself with a CliCommand object at namespace scope.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace corvelo::cli {

// Exit statuses shared by every command.
enum Exit : int { kDone = 0, kWrong = 1, kUsage = 2, kFileError = 3 };

struct Context {
    std::filesystem::path dir;      // the data folder
    std::vector<std::string> args;  // arguments after the command word
    std::ostream& out;
    std::ostream& err;
};

using Handler = std::function<int(Context&)>;

// Registers a command under its first word ("dump", "check", ...), or
// under its first two words ("search customers"), which then come before
// the command of the first word alone; the handler gets the arguments
// after the words.
struct CliCommand {
    CliCommand(std::string word, std::string usage, Handler handler);
    CliCommand(std::string word, std::string subword, std::string usage, Handler handler);
};

}  // namespace corvelo::cli

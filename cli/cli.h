#pragma once
// Shared pieces of the command-line tool: the parsed command line, messages on standard
// error in English, and the program folder.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/messages.h"

namespace tq8615::cli {

// The words after the subcommand: positional arguments and "--name value" options.
struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    bool help = false;

    std::optional<std::string> option(const std::string& name) const;
    bool flag(const std::string& name) const { return options.contains(name); }
};

// Parses; `flags` are options without a value. Returns an error text, empty on success.
std::string ParseArgs(const std::vector<std::string>& words, const std::vector<std::string>& valued,
                      Args& args, const std::vector<std::string>& flags = {});

struct Command {
    const char* name;
    const char* usage;    // the synopsis line
    const char* summary;  // one line for the overview
    std::vector<std::string> valuedOptions;
    std::function<int(const Args&)> run;
    std::vector<std::string> flags = {};
};

std::filesystem::path ProgramFolder();

// English text of a language key, from the English language file beside the program
// (read once).
std::string EnglishText(TextKey key);

// Prints every message as one line on standard error.
class StderrSink : public MessageSink {
public:
    void show(const Message& message) override;
};

// Parses a band plan option ("0", "1" or "2"); nullopt and a message otherwise.
std::optional<int> BandOption(const Args& args, int fallback);

int Fail(const std::string& message);

Command NewCommand();
Command EncodeCommand();
Command DecodeCommand();
Command ShowCommand();
Command DiffCommand();
Command EpmCommand();
// The radio commands (cmd_read.cpp, cmd_write.cpp, cmd_info.cpp).
Command ReadCommand();
Command WriteCommand();
Command InfoCommand();
// Channel lists in the other programmers' comma-separated format (cmd_csv.cpp).
Command CsvCommand();
Command CloneCommand();
// The communication book as a book file (cmd_book.cpp).
Command BookCommand();

}  // namespace tq8615::cli

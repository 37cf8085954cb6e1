// tq8615-cli: the data side of the TQ8615 programmer from the command line.
#include "cli/cli.h"

#include <iostream>

using namespace tq8615::cli;

namespace {

std::vector<Command> Commands()
{
    return {NewCommand(),   EncodeCommand(), DecodeCommand(), ShowCommand(),  DiffCommand(),
            ReadCommand(),  WriteCommand(),  CloneCommand(),  InfoCommand(),  CsvCommand(),
            BookCommand(),
            EpmCommand()};
}

void PrintOverview(std::ostream& out)
{
    out << "usage: tq8615-cli COMMAND [ARGS]\n\ncommands:\n";
    for (const Command& c : Commands())
        out << "  " << c.usage << "\n      " << c.summary << '\n';
    out << "\n'tq8615-cli COMMAND --help' describes one command; 'tq8615-cli --version' prints the\n"
           "version. Exit status 0 on success.\n";
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintOverview(words.empty() ? std::cerr : std::cout);
        return words.empty() ? 2 : 0;
    }
    if (words[0] == "--version" || words[0] == "-v") {
        std::cout << "tq8615-cli " << TQ8615_VERSION << '\n';
        return 0;
    }
    for (const Command& command : Commands()) {
        if (words[0] != command.name)
            continue;
        Args args;
        std::string error = ParseArgs({words.begin() + 1, words.end()}, command.valuedOptions, args, command.flags);
        if (args.help) {
            std::cout << "usage: tq8615-cli " << command.usage << "\n  " << command.summary << '\n';
            return 0;
        }
        if (!error.empty()) {  // a usage error, as an unknown command
            Fail(error + "\nusage: tq8615-cli " + command.usage);
            return 2;
        }
        return command.run(args);
    }
    std::cerr << "unknown command '" << words[0] << "'\n";
    PrintOverview(std::cerr);
    return 2;
}

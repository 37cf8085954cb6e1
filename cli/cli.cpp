#include "cli/cli.h"
#include "files/ini_file.h"
#include "model/memory_map.h"

#include <iostream>
#include <system_error>

namespace tq8615::cli {

std::optional<std::string> Args::option(const std::string& name) const
{
    auto it = options.find(name);
    if (it == options.end())
        return std::nullopt;
    return it->second;
}

std::string ParseArgs(const std::vector<std::string>& words, const std::vector<std::string>& valued, Args& args,
                      const std::vector<std::string>& flags)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "--help" || w == "-h") {
            args.help = true;
        } else if (std::find(flags.begin(), flags.end(), w) != flags.end()) {
            args.options[w] = "";
        } else if (w.starts_with("-") && w.size() > 1) {
            if (std::find(valued.begin(), valued.end(), w) == valued.end())
                return "unknown option " + w;
            if (i + 1 >= words.size())
                return "option " + w + " needs a value";
            args.options[w] = words[++i];
        } else {
            args.positional.push_back(w);
        }
    }
    return {};
}

std::filesystem::path ProgramFolder()
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

std::string EnglishText(TextKey key)
{
    static const IniFile file = [] {
        IniFile ini;
        ini.load(ProgramFolder() / "language" / "english.ini");
        return ini;
    }();
    return file.value(SectionName(SectionOf(key)), KeyText(key)).value_or("");
}

void StderrSink::show(const Message& message)
{
    const bool keyed = message.langKey != TextKey{};
    std::string text = keyed ? EnglishText(message.langKey) : message.english;
    if (text.empty())
        text = "message " + KeyText(message.langKey);
    if (keyed && !message.english.empty())
        text += "\n" + message.english;
    std::cerr << text << '\n';
}

std::optional<int> BandOption(const Args& args, int fallback)
{
    auto band = args.option("--band");
    if (!band)
        return fallback;
    if (band->size() == 1 && IsKnownBandPlan((*band)[0] - '0'))
        return (*band)[0] - '0';
    std::cerr << "band plan must be 0, 1 or 2\n";
    return std::nullopt;
}

int Fail(const std::string& message)
{
    std::cerr << message << '\n';
    return 1;
}

}  // namespace tq8615::cli
